#include "BestBuildWindow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

const QString BestBuildWindow::Title = QStringLiteral("最佳配置 - ZR角色助手");

namespace {

constexpr std::array<ListId, 5> Kept{ListId::ZYe, ListId::Dji, ListId::Sgao, ListId::Xlian, ListId::Vip};
const std::array<QString, 5> KeptCaptions{QStringLiteral("职业"), QStringLiteral("等级"), QStringLiteral("身高"),
                                          QStringLiteral("训练"), QStringLiteral("VIP")};

// Row captions of the settings pages, for the picks found.
QString caption(ListId id)
{
    static const QHash<ListId, QString> captions{
        {ListId::ZYe, QStringLiteral("职业")}, {ListId::Dji, QStringLiteral("等级")},
        {ListId::Sgao, QStringLiteral("身高")}, {ListId::Xlian, QStringLiteral("训练")},
        {ListId::Vip, QStringLiteral("VIP")}, {ListId::Youxie1, QStringLiteral("有鞋装")},
        {ListId::Youxie2, QStringLiteral("有鞋装")}, {ListId::Wuxie, QStringLiteral("无鞋装")},
        {ListId::Shangyi1, QStringLiteral("上衣")}, {ListId::Shangyi2, QStringLiteral("上衣")},
        {ListId::Xiayi1, QStringLiteral("下衣")}, {ListId::Xiayi2, QStringLiteral("下衣")},
        {ListId::Xiezi1, QStringLiteral("鞋子")}, {ListId::Xiezi2, QStringLiteral("鞋子")},
        {ListId::Jiaqiangbao1, QStringLiteral("加强包")}, {ListId::Jiaqiangbao2, QStringLiteral("加强包")},
        {ListId::Xinshouzhuang, QStringLiteral("新手装")}, {ListId::Faxing, QStringLiteral("发型")},
        {ListId::Toubeibu, QStringLiteral("装饰一")}, {ListId::Shoujianbu, QStringLiteral("装饰二")},
        {ListId::Tuijiaobu, QStringLiteral("装饰三")}, {ListId::DuiyouA1, QStringLiteral("队友A1")},
        {ListId::DuiyouA2, QStringLiteral("队友A2")}, {ListId::DuiyouB1, QStringLiteral("队友B1")},
        {ListId::DuiyouB2, QStringLiteral("队友B2")},
    };
    return captions.value(id);
}

// One line per row: the second part of a two-part row joins its first.
QString picksText(const QList<BestPick> &picks)
{
    QStringList lines;
    ListId last = ListId::ZYe;
    for (const BestPick &p : picks) {
        const bool second = !lines.isEmpty() && caption(p.list) == caption(last);
        if (second)
            lines.last() += u' ' + p.item;
        else
            lines.append(caption(p.list) + u"：" + p.item);
        last = p.list;
    }
    return lines.join(u'\n');
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

BestBuildWindow::BestBuildWindow(const BuildEngine &build, RecordSource records, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_build(build)
    , m_records(std::move(records))
{
    setObjectName(QStringLiteral("BestBuildWindow"));
    setWindowTitle(Title);

    objective = new QComboBox(this);
    objective->setObjectName(QStringLiteral("objective"));
    objective->setEditable(true);
    for (int row = 0; row <= AbilityCount; ++row)
        objective->addItem(BuildObjective::caption(row).text);
    objective->setToolTip(QStringLiteral("一项能力、综合，或加权和，例如 三分=2,中投=1"));

    auto *top = new QHBoxLayout;
    auto *objectiveCaption = new QLabel(QStringLiteral("目标："), this);
    objectiveCaption->setBuddy(objective);
    objective->lineEdit()->setAccessibleName(QStringLiteral("目标"));
    top->addWidget(objectiveCaption);
    top->addWidget(objective, 1);

    auto *keepRow = new QHBoxLayout;
    keepRow->addWidget(new QLabel(QStringLiteral("保留当前："), this));
    for (int k = 0; k < 5; ++k) {
        keep[k] = new QCheckBox(this);
        keep[k]->setObjectName(u"keep" + listName(Kept[k]));
        keep[k]->setChecked(true);
        keepRow->addWidget(keep[k]);
    }
    keepRow->addStretch(1);

    calculateButton = new QPushButton(QStringLiteral("计算"), this);
    calculateButton->setObjectName(QStringLiteral("calculate"));
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("status"));
    status->setTextFormat(Qt::PlainText); // reasons quote database texts
    status->setWordWrap(true);
    auto *run = new QHBoxLayout;
    run->addWidget(calculateButton);
    run->addWidget(status, 1);

    values = new QTableWidget(AbilityCount + 1, 2, this);
    values->setObjectName(QStringLiteral("values"));
    values->setHorizontalHeaderLabels({QStringLiteral("当前"), QStringLiteral("最佳")});
    QStringList rows;
    for (const AbilityInfo &a : Abilities)
        rows.append(a.name.toString());
    rows.append(QStringLiteral("综合"));
    values->setVerticalHeaderLabels(rows);
    values->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    values->verticalHeader()->setDefaultSectionSize(22);
    values->setMinimumHeight(22 * (AbilityCount + 2) + 4);
    values->setFocusPolicy(Qt::NoFocus);
    // What a screen reader says for the table and its parts.
    values->setAccessibleName(QStringLiteral("当前与最佳的能力值"));
    values->horizontalHeader()->setAccessibleName(QStringLiteral("当前与最佳"));
    values->verticalHeader()->setAccessibleName(QStringLiteral("能力"));
    if (auto *corner = values->findChild<QAbstractButton *>())
        corner->setAccessibleName(QStringLiteral("全选"));

    picks = new QPlainTextEdit(this);
    picks->setObjectName(QStringLiteral("picks"));
    picks->setReadOnly(true);
    picks->setAccessibleName(QStringLiteral("最佳配置的选择"));

    auto *result = new QHBoxLayout;
    result->addWidget(values, 1);
    result->addWidget(picks, 1);

    applyButton = new QPushButton(QStringLiteral("应用到主界面"), this);
    applyButton->setObjectName(QStringLiteral("apply"));
    applyButton->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(keepRow);
    layout->addLayout(run);
    layout->addLayout(result, 1);
    layout->addWidget(applyButton, 0, Qt::AlignRight);
    resize(560, 440);

    connect(calculateButton, &QPushButton::clicked, this, &BestBuildWindow::calculate);
    connect(applyButton, &QPushButton::clicked, this, &BestBuildWindow::apply);
    connect(&m_runner, &BestBuildRunner::finished, this, &BestBuildWindow::showResult);
}

BestBuildWindow::~BestBuildWindow() = default;

void BestBuildWindow::open(int row)
{
    objective->setCurrentIndex(std::clamp(row, 0, AbilityCount));
    refreshCurrent();
    show();
    raise();
    activateWindow();
}

void BestBuildWindow::refreshCurrent()
{
    // What can be kept: the answers of the first page given so far; a height
    // the level step set is no choice.
    const bool heightChosen = m_build.heightText() == u"可设置";
    for (int k = 0; k < 5; ++k) {
        const QString &text = m_build.list(Kept[k]).text;
        const bool available = !text.isEmpty() && (Kept[k] != ListId::Sgao || heightChosen);
        keep[k]->setText(KeptCaptions[k] + u"：" + (available ? text : QStringLiteral("—")));
        keep[k]->setEnabled(available);
    }
    for (int i = 0; i <= AbilityCount; ++i) {
        const QString text = !m_build.abilitiesVisible() ? QStringLiteral("—")
                             : i < AbilityCount          ? m_build.abilityText(i)
                                                         : m_build.totalText();
        values->setItem(i, 0, cell(text));
    }
}

void BestBuildWindow::calculate()
{
    refreshCurrent();
    const QString name = m_build.characterName();
    if (!m_build.list(ListId::ZYe).enabled) {
        status->setText(QStringLiteral("请先在主界面选择角色。"));
        return;
    }
    QString why;
    const std::optional<BuildObjective> goal = BuildObjective::parse(objective->currentText(), &why);
    if (!goal) {
        status->setText(why);
        return;
    }
    BestBuildRequest request;
    request.record = m_records(name); // here, on the GUI thread
    request.objective = *goal;
    for (int k = 0; k < 5; ++k)
        if (keep[k]->isEnabled() && keep[k]->isChecked())
            request.constraints.append({Kept[k], m_build.list(Kept[k]).text});
    m_searched = name;
    m_goal = goal->text;
    m_result = {};
    for (int i = 0; i <= AbilityCount; ++i)
        values->setItem(i, 1, cell(QString()));
    picks->clear();
    applyButton->setEnabled(false);
    status->setText(u"正在计算“" + name + u"”的最佳配置……");
    m_runner.start(request);
}

void BestBuildWindow::showResult(const BestBuildResult &result)
{
    m_result = result;
    if (result.status != BestBuildResult::Found) {
        status->setText(result.reason);
        Q_EMIT finished();
        return;
    }
    for (int i = 0; i < AbilityCount; ++i)
        values->setItem(i, 1, cell(result.texts[i]));
    values->setItem(AbilityCount, 1, cell(result.total));
    picks->setPlainText(picksText(result.picks));
    status->setText(u"“" + m_searched + u"”的" + m_goal + u"最高为 " + scoreText(result.score)
                    + u"（查看了 " + QString::number(result.searched) + u" 个部分配置）");
    applyButton->setEnabled(true);
    Q_EMIT finished();
}

void BestBuildWindow::characterChanged()
{
    if (m_runner.running()) {
        m_runner.cancel();
        status->setText(QStringLiteral("角色已改变，计算已取消。"));
    }
    refreshCurrent();
}

void BestBuildWindow::apply()
{
    if (m_result.status == BestBuildResult::Found)
        Q_EMIT applyRequested(m_searched, m_result.picks);
    refreshCurrent();
}

void BestBuildWindow::closeEvent(QCloseEvent *event)
{
    if (m_runner.running()) {
        m_runner.cancel();
        status->setText(QStringLiteral("计算已取消。"));
    }
    QWidget::closeEvent(event);
}

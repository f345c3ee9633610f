#include "BuildEngine.h"

#include "BonusTables.h"
#include "Numbers.h"

#include <cmath>

const QString BuildEngine::RefusalText = QStringLiteral("无法再叠加相同能力！请重新选择！");

namespace {

// The bonus of the table row whose key column holds the text; none for a
// text that matches no row.
template <typename Row>
const Deltas *rowFor(std::span<const Row> table, QStringView Row::*key, QStringView text)
{
    for (const Row &row : table)
        if (row.*key == text)
            return &row.bonus;
    return nullptr;
}

const std::array<QString, ListCount> ListNames = {
    QStringLiteral("ZYe"), QStringLiteral("Dji"), QStringLiteral("Sgao"), QStringLiteral("Xlian"),
    QStringLiteral("Vip"), QStringLiteral("Youxie1"), QStringLiteral("Youxie2"), QStringLiteral("Wuxie"),
    QStringLiteral("Shangyi1"), QStringLiteral("Shangyi2"), QStringLiteral("Xiayi1"), QStringLiteral("Xiayi2"),
    QStringLiteral("Xiezi1"), QStringLiteral("Xiezi2"), QStringLiteral("Jiaqiangbao1"),
    QStringLiteral("Jiaqiangbao2"), QStringLiteral("Xinshouzhuang"), QStringLiteral("Faxing"),
    QStringLiteral("Toubeibu"), QStringLiteral("Shoujianbu"), QStringLiteral("Tuijiaobu"),
    QStringLiteral("DuiyouA1"), QStringLiteral("DuiyouA2"), QStringLiteral("DuiyouB1"), QStringLiteral("DuiyouB2"),
};
const std::array<QString, ResultCount> ResultNames = {
    QStringLiteral("Youxie"), QStringLiteral("Shangyi"), QStringLiteral("Xiayi"),
    QStringLiteral("Xiezi"), QStringLiteral("Jiaqiangbao"),
};
const std::array<QString, 4> PageNames = {
    QStringLiteral("Frame2"), QStringLiteral("Frame2_2"), QStringLiteral("Frame2_3"), QStringLiteral("Frame2_4"),
};

const QString NoneItem = QStringLiteral("不选择");
const QString Selectable = QStringLiteral("可设置");
const QString SpecialFlag = QStringLiteral("1");
const QString Short = QStringLiteral("偏矮");
const QString Tall = QStringLiteral("偏高");
const QString Space = QStringLiteral(" ");

const QString TipLevel = QStringLiteral("请选择等级。");
const QString TipHeight = QStringLiteral("请选择身高。（比如170-173表示偏矮，174-176表示中等，177-180表示偏高。）");
const QString TipTraining = QStringLiteral("请选择训练。");
const QString TipVip = QStringLiteral("请选择VIP。");
const QString TipOutfit = QStringLiteral("设定角色的衣物能力。");
const QString TipDecoration = QStringLiteral("设定角色的装饰和附属能力。[ 双击“角色能力设定”可切换查看㈠㈡㈢ ]");
const QString TipFinal = QStringLiteral("请查看设定后的最终能力值。[ 点击能力值可查看说明 ]");

const QString Up = QStringLiteral("↑");
const QString Down = QStringLiteral("↓");

constexpr int TagFznl = AbilityCount;
constexpr int TagNldb = AbilityCount + 1;

// Writes a number as plain decimal text and keeps the number that text reads
// back as, so the stored number always equals the leading number of the text.
void writeNumber(double v, QString &text, double &stored)
{
    if (v == std::floor(v) && std::fabs(v) < 1e15) {
        text = QString::number(qint64(v)); // what "%.15g" writes for a whole number
        stored = v == 0 ? 0.0 : v;
    } else {
        text = plainNumber(v);
        stored = leadingNumber(text);
    }
}

QString numberText(double v)
{
    QString text;
    double stored;
    writeNumber(v, text, stored);
    return text;
}

} // namespace

const QString &listName(ListId id) { return ListNames[int(id)]; }
const QString &resultName(ResultId id) { return ResultNames[int(id)]; }
const QString &pageName(Page page) { return PageNames[int(page)]; }

std::optional<ListId> listByName(QStringView name)
{
    for (int i = 0; i < ListCount; ++i)
        if (ListNames[i] == name)
            return ListId(i);
    return std::nullopt;
}

BuildEngine::BuildEngine(RecordSource source)
    : m_source(std::move(source))
{
    for (int i = 0; i < AbilityCount; ++i)
        m_text[i] = QStringLiteral("0");
    m_total = QStringLiteral("0");
    m_tip = QStringLiteral("说明文档");
    ResetOptions();
    L(ListId::ZYe).enabled = false;
}

// ---- small steps ------------------------------------------------------------

void BuildEngine::requestFocus(ListId id)
{
    m_focus = listName(id);
    ++m_focusSerial;
}

void BuildEngine::open(ListId id)
{
    L(id).enabled = true;
    requestFocus(id);
}

void BuildEngine::setTipText(const QString &text)
{
    m_tip = text;
    ++m_tipSerial;
}

void BuildEngine::setTip(const QString &text) { setTipText(text); }

void BuildEngine::setAbility(int i, double value)
{
    writeNumber(value, m_text[i], m_value[i]);
}

void BuildEngine::addDeltas(const Deltas &deltas)
{
    // A blank cell leaves the text alone, so a padded "09" survives it.
    for (int i = 0; i < AbilityCount; ++i)
        if (deltas[i])
            addAbility(i, deltas[i]);
}

void BuildEngine::addAbility(int i, double amount)
{
    setAbility(i, m_value[i] + amount);
}

void BuildEngine::raise(int i, double amount)
{
    addAbility(i, amount);
    m_red[i] = true;
    m_tagged |= 1u << i;
}

bool BuildEngine::raiseItem(const QString &item)
{
    const ItemInfo &info = Catalogue::instance().item(item);
    if (info.ability < 0)
        return false;
    raise(info.ability, info.amount);
    return true;
}

void BuildEngine::startBlink() { ++m_blinkSerial; }

void BuildEngine::refuse() { ++m_refused; }

QStringList BuildEngine::takeTagged()
{
    QStringList out;
    for (int i = 0; i < AbilityCount; ++i)
        if (m_tagged & (1u << i))
            out.append(Abilities[i].valueLabel.toString());
    if (m_tagged & (1u << TagFznl))
        out.append(QStringLiteral("Label_FZNL"));
    if (m_tagged & (1u << TagNldb))
        out.append(QStringLiteral("Label_NLDB"));
    m_tagged = 0;
    return out;
}


// ---- shared routines --------------------------------------------------------

void BuildEngine::HideAbilities()
{
    m_abilitiesVisible = false;
    m_fznlEnabled = false;
}

void BuildEngine::ResetOptions()
{
    m_page = Page::Frame2;
    for (auto &key : m_horn)
        key.reset();

    auto clear = [this](ListId id) {
        OptionList &l = L(id);
        l.items.clear();
        l.text.clear();
    };
    auto closeAndClear = [&](ListId id) {
        L(id).enabled = false;
        clear(id);
    };
    for (ListId id : {ListId::Dji, ListId::Sgao, ListId::Xlian, ListId::Vip})
        closeAndClear(id);

    for (ListId id : {ListId::Youxie1, ListId::Wuxie, ListId::Shangyi1, ListId::Xiayi1, ListId::Xiezi1})
        L(id).enabled = false;
    for (ListId id : {ListId::Youxie1, ListId::Shangyi1, ListId::Xiayi1, ListId::Xiezi1})
        L(id).visible = true;
    for (ListId id : {ListId::Youxie2, ListId::Shangyi2, ListId::Xiayi2, ListId::Xiezi2})
        L(id).visible = false;
    for (ResultId id : {ResultId::Youxie, ResultId::Shangyi, ResultId::Xiayi, ResultId::Xiezi})
        m_results[int(id)].visible = false;
    for (ListId id : {ListId::Youxie1, ListId::Youxie2, ListId::Wuxie, ListId::Shangyi1, ListId::Shangyi2,
                      ListId::Xiayi1, ListId::Xiayi2, ListId::Xiezi1, ListId::Xiezi2})
        clear(id);

    L(ListId::Jiaqiangbao1).visible = true;
    L(ListId::Jiaqiangbao2).visible = false;
    m_results[int(ResultId::Jiaqiangbao)].visible = false;
    for (ListId id : {ListId::Jiaqiangbao1, ListId::Jiaqiangbao2, ListId::Xinshouzhuang, ListId::Faxing,
                      ListId::Toubeibu, ListId::Shoujianbu})
        closeAndClear(id);

    for (ListId id : {ListId::Tuijiaobu, ListId::DuiyouA1, ListId::DuiyouA2, ListId::DuiyouB1, ListId::DuiyouB2})
        closeAndClear(id);
}

void BuildEngine::LoadCharacterRecord()
{
    for (int i = 0; i < AbilityCount; ++i) {
        m_text[i] = m_record.abilities[i];
        m_value[i] = leadingNumber(m_text[i]);
    }
    double total = 0;
    for (double v : m_value)
        total += v;
    double stored;
    writeNumber(total, m_total, stored);

    const ReferenceRow &ref = referenceRow(m_record.positionClass);
    auto mark = [](Marker &m, double v, double r) {
        if (v > r)
            m = {numberText(v - r) + Up, Red};
        else if (v < r)
            m = {numberText(r - v) + Down, Teal};
        else
            m = {QString(), Black};
    };
    for (int i = 0; i < AbilityCount; ++i)
        mark(m_markers[i], m_value[i], ref.values[i]);
    mark(m_markers[AbilityCount], stored, ref.total);
}

void BuildEngine::ShowAbilities()
{
    m_abilitiesVisible = true;
    m_red.fill(false);
    m_fznlEnabled = true;
    m_tagged |= (1u << TagFznl) | (1u << TagNldb);
    startBlink();
    RefreshTotal();
}

void BuildEngine::RefreshTotal()
{
    double total = 0;
    for (double v : m_value)
        total += v;
    double stored;
    writeNumber(total, m_total, stored);
    ++m_refreshSerial;
}

void BuildEngine::PadAbilityValues()
{
    for (QString &t : m_text)
        if (t.size() == 1 && t[0] >= u'6' && t[0] <= u'9')
            t.prepend(u'0');
}

// ---- character choice -------------------------------------------------------

void BuildEngine::Xingming_Click(const QString &name)
{
    HideAbilities();
    ResetOptions();
    m_name = name;
    m_record = m_source ? m_source(name) : CharacterRecord{};
    LoadCharacterRecord();

    // An unknown class offers no position rather than the previous character's.
    OptionList &zye = L(ListId::ZYe);
    zye.items = Catalogue::instance().positions(m_record.positionClass);
    zye.text.clear();

    if (!m_record.recommended.isEmpty())
        setTipText(u"你选择了特殊角色“" + name + u"”，根据其能力特点，推荐职业：" + m_record.recommended
                   + u"（仅供参考）。（点击此处可查看" + m_record.recommended + u"角色列表）");
    else
        setTipText(u"你选择了“" + name + u"”，请选择职业。");
    open(ListId::ZYe);
}

void BuildEngine::Qiudui2_Click()
{
    HideAbilities();
    ResetOptions();
    OptionList &zye = L(ListId::ZYe);
    zye.items.clear();
    zye.text.clear();
    zye.enabled = false;
}

// ---- first page ---------------------------------------------------------------

void BuildEngine::ZYe_Click()
{
    const QString &position = textOf(ListId::ZYe);
    if (position.isEmpty())
        return;
    HideAbilities();
    ResetOptions();
    open(ListId::Dji);
    const QStringList &levels = Catalogue::instance().levels(position);
    if (!levels.isEmpty()) {
        L(ListId::Dji).items = levels;
        L(ListId::Dji).text.clear();
    }
    LoadCharacterRecord();
    for (const PositionBonusRow &row : PositionBonus) {
        if (row.native != u"any" && row.native != m_record.positionClass)
            continue;
        if (row.chosen != position)
            continue;
        addDeltas(row.bonus);
    }
    PadAbilityValues();
    setTipText(TipLevel);
}

void BuildEngine::Dji_Click()
{
    const QString &level = textOf(ListId::Dji);
    if (level.isEmpty())
        return;
    const bool selectable = m_record.height == Selectable;
    if (selectable) {
        OptionList &sgao = L(ListId::Sgao);
        sgao.enabled = true;
        sgao.items = Catalogue::instance().heights();
        sgao.text.clear();
        L(ListId::Dji).enabled = false;
        setTipText(TipHeight);
        requestFocus(ListId::Sgao);
    } else {
        // Selecting the fixed height runs the height step at once, which pads
        // single digits before the level bonus below is added.
        OptionList &sgao = L(ListId::Sgao);
        sgao.items = QStringList{m_record.height};
        sgao.text = m_record.height;
        Sgao_Click();
        L(ListId::Dji).enabled = false;
        L(ListId::Xlian).enabled = true;
        setTipText(TipTraining);
        requestFocus(ListId::Xlian);
    }
    OptionList &xlian = L(ListId::Xlian);
    xlian.items = Catalogue::instance().trainings(level);
    xlian.text.clear();

    const QString &position = textOf(ListId::ZYe);
    for (const LevelBonusRow &row : LevelBonus) {
        if (row.position == position && row.level == level) {
            addDeltas(row.bonus);
            break;
        }
    }
    if (!selectable)
        ShowAbilities();
}

void BuildEngine::Sgao_Click()
{
    const QString &height = textOf(ListId::Sgao);
    if (height.isEmpty())
        return;
    if (m_record.special != SpecialFlag) {
        if (const Deltas *bonus = rowFor(HeightBonus, &HeightRow::height, height))
            addDeltas(*bonus);
    } else if (height == Short) {
        for (int i = 0; i < AbilityCount; ++i)
            setAbility(i, m_value[i] - m_record.specialAdjust[i]);
    } else if (height == Tall) {
        for (int i = 0; i < AbilityCount; ++i)
            setAbility(i, m_value[i] + m_record.specialAdjust[i]);
    }
    PadAbilityValues();
    L(ListId::Xlian).enabled = true;
    L(ListId::Sgao).enabled = false;
    setTipText(TipTraining);
    requestFocus(ListId::Xlian);
    ShowAbilities();
}

void BuildEngine::Xlian_Click()
{
    const QString &training = textOf(ListId::Xlian);
    if (training.isEmpty())
        return;
    if (const Deltas *bonus = rowFor(TrainingBonus, &TrainingRow::training, training))
        addDeltas(*bonus);
    L(ListId::Xlian).enabled = false;
    OptionList &vip = L(ListId::Vip);
    vip.enabled = true;
    vip.items = Catalogue::instance().vips();
    vip.text.clear();
    setTipText(TipVip);
    requestFocus(ListId::Vip);
    RefreshTotal();
}

void BuildEngine::Vip_Click()
{
    const QString &vip = textOf(ListId::Vip);
    if (vip.isEmpty())
        return;
    if (const Deltas *bonus = rowFor(VipBonus, &VipRow::vip, vip))
        addDeltas(*bonus);
    L(ListId::Vip).enabled = false;
    RefreshTotal();
    setTipText(TipOutfit);
    m_page = Page::Frame2_2;
    open(ListId::Youxie1);

    const Catalogue &c = Catalogue::instance();
    const int tier = levelTier(textOf(ListId::Dji));
    for (const OutfitListRow &row : OutfitLists)
        L(row.list).items = c.outfitList(row.list, tier);
    for (const FixedListRow &row : FixedLists)
        L(row.list).items = c.fixedList(row.list);
}

// ---- outfit page --------------------------------------------------------------

void BuildEngine::fillSecondList(ListId first, ListId second)
{
    L(second).items.append(Catalogue::instance().secondItems(first, textOf(first)));
}

void BuildEngine::goToDecorationPage()
{
    m_page = Page::Frame2_3;
    open(ListId::Jiaqiangbao1);
    setTipText(TipDecoration);
}

void BuildEngine::Youxie1_Click()
{
    const QString &text = textOf(ListId::Youxie1);
    if (text.isEmpty())
        return;
    L(ListId::Youxie1).visible = false;
    if (text == NoneItem) {
        m_results[int(ResultId::Youxie)] = {NoneItem, true};
        open(ListId::Wuxie);
        return;
    }
    fillSecondList(ListId::Youxie1, ListId::Youxie2);
    L(ListId::Youxie2).visible = true;
    open(ListId::Youxie2);
}

void BuildEngine::Youxie2_Click()
{
    const QString &second = textOf(ListId::Youxie2);
    if (second.isEmpty())
        return;
    const QString &first = textOf(ListId::Youxie1);
    raiseItem(first);
    raiseItem(second);
    RefreshTotal();
    startBlink();
    L(ListId::Youxie2).visible = false;
    m_results[int(ResultId::Youxie)] = {first + second, true};

    // The set covers the other rows. Wuxie only shows the answer: it stays
    // disabled and its handler does not run.
    L(ListId::Wuxie).text = NoneItem;
    m_results[int(ResultId::Shangyi)] = {NoneItem, true};
    L(ListId::Shangyi1).visible = false;
    L(ListId::Shangyi2).visible = false;
    m_results[int(ResultId::Xiayi)].text = NoneItem;
    L(ListId::Xiayi1).visible = false;
    m_results[int(ResultId::Xiayi)].visible = true;
    m_results[int(ResultId::Xiezi)].text = NoneItem;
    L(ListId::Xiezi1).visible = false;
    m_results[int(ResultId::Xiezi)].visible = true;
    goToDecorationPage();
}

void BuildEngine::Wuxie_Click()
{
    const QString &text = textOf(ListId::Wuxie);
    if (text.isEmpty())
        return;
    L(ListId::Wuxie).enabled = false;
    if (text == NoneItem) {
        open(ListId::Shangyi1);
        return;
    }
    raiseItem(text);
    RefreshTotal();
    startBlink();
    open(ListId::Xiezi1);
    m_results[int(ResultId::Shangyi)].text = NoneItem;
    m_results[int(ResultId::Xiayi)].text = NoneItem;
    L(ListId::Shangyi1).visible = false;
    m_results[int(ResultId::Shangyi)].visible = true;
    L(ListId::Xiayi1).visible = false;
    m_results[int(ResultId::Xiayi)].visible = true;
}

// First part of a top, bottom or shoes: 不选择 and the every-level items are
// decided at once, the higher grades open the second list.
void BuildEngine::singlePieceFirst(ListId first, ListId second, ResultId result, ListId next)
{
    const QString &text = textOf(first);
    if (text.isEmpty())
        return;
    L(first).visible = false;
    const ItemInfo &info = Catalogue::instance().item(text);
    int oneStepAmount = 0;
    for (const OutfitListRow &row : OutfitLists)
        if (row.list == first)
            oneStepAmount = row.everyLevel;
    if (info.kind == ItemInfo::None || (info.kind == ItemInfo::Plus && info.amount == oneStepAmount)) {
        if (info.kind == ItemInfo::Plus) {
            raise(info.ability, info.amount);
            RefreshTotal();
            startBlink();
        }
        m_results[int(result)] = {text, true};
        if (next == ListId::Jiaqiangbao1)
            goToDecorationPage();
        else
            open(next);
        return;
    }
    fillSecondList(first, second);
    L(second).visible = true;
    open(second);
}

void BuildEngine::singlePieceSecond(ListId first, ListId second, ResultId result, ListId next)
{
    const QString &text = textOf(second);
    if (text.isEmpty())
        return;
    L(second).visible = false;
    raiseItem(textOf(first));
    raiseItem(text);
    RefreshTotal();
    startBlink();
    m_results[int(result)] = {textOf(first) + Space + text, true};
    if (next == ListId::Jiaqiangbao1)
        goToDecorationPage();
    else
        open(next);
}

void BuildEngine::Shangyi1_Click() { singlePieceFirst(ListId::Shangyi1, ListId::Shangyi2, ResultId::Shangyi, ListId::Xiayi1); }
void BuildEngine::Shangyi2_Click() { singlePieceSecond(ListId::Shangyi1, ListId::Shangyi2, ResultId::Shangyi, ListId::Xiayi1); }
void BuildEngine::Xiayi1_Click() { singlePieceFirst(ListId::Xiayi1, ListId::Xiayi2, ResultId::Xiayi, ListId::Xiezi1); }
void BuildEngine::Xiayi2_Click() { singlePieceSecond(ListId::Xiayi1, ListId::Xiayi2, ResultId::Xiayi, ListId::Xiezi1); }
// Shoes lead to the decoration page.
void BuildEngine::Xiezi1_Click() { singlePieceFirst(ListId::Xiezi1, ListId::Xiezi2, ResultId::Xiezi, ListId::Jiaqiangbao1); }
void BuildEngine::Xiezi2_Click() { singlePieceSecond(ListId::Xiezi1, ListId::Xiezi2, ResultId::Xiezi, ListId::Jiaqiangbao1); }

void BuildEngine::Jiaqiangbao1_Click()
{
    const QString &text = textOf(ListId::Jiaqiangbao1);
    if (text.isEmpty())
        return;
    L(ListId::Jiaqiangbao1).visible = false;
    if (text == NoneItem) {
        m_results[int(ResultId::Jiaqiangbao)] = {NoneItem, true};
        open(ListId::Xinshouzhuang);
        return;
    }
    L(ListId::Jiaqiangbao1).enabled = false;
    L(ListId::Jiaqiangbao2).visible = true;
    open(ListId::Jiaqiangbao2);
}

void BuildEngine::Jiaqiangbao2_Click()
{
    const QString &text = textOf(ListId::Jiaqiangbao2);
    if (text.isEmpty())
        return;
    raiseItem(textOf(ListId::Jiaqiangbao1));
    raiseItem(text);
    RefreshTotal();
    startBlink();
    m_results[int(ResultId::Jiaqiangbao)] = {textOf(ListId::Jiaqiangbao1) + Space + text, true};
    L(ListId::Jiaqiangbao2).visible = false;
    open(ListId::Xinshouzhuang);
}

void BuildEngine::Xinshouzhuang_Click()
{
    const QString &text = textOf(ListId::Xinshouzhuang);
    if (text.isEmpty())
        return;
    const ItemInfo &info = Catalogue::instance().item(text);
    if (info.kind == ItemInfo::Plus) {
        raise(info.ability, info.amount);
        RefreshTotal();
        startBlink();
    }
    L(ListId::Xinshouzhuang).enabled = false;
    open(ListId::Faxing);
}

// ---- decorations and teammates ------------------------------------------------
// Horns and dragon heads give an ability a special +3 once per build: each
// candidate key is compared with the keys of the slots answered before it.

bool BuildEngine::keyTaken(const std::optional<QString> &candidate,
                           std::initializer_list<const QString *> texts,
                           std::initializer_list<HornSlot> slots) const
{
    if (!candidate)
        return false;
    for (const QString *t : texts)
        if (*t == *candidate)
            return true;
    for (HornSlot s : slots) {
        const std::optional<QString> &key = m_horn[int(s)];
        if (key && *key == *candidate)
            return true;
    }
    return false;
}

void BuildEngine::Faxing_Click()
{
    const QString &text = textOf(ListId::Faxing);
    if (text.isEmpty())
        return;
    if (text == NoneItem) {
        L(ListId::Faxing).enabled = false;
        open(ListId::Toubeibu);
        return;
    }
    const ItemInfo &info = Catalogue::instance().item(text);
    if (info.kind == ItemInfo::Plus)
        raise(info.ability, info.amount);
    if (info.kind == ItemInfo::DragonHead) {
        m_horn[int(HornSlot::FaxingJiao)] = info.hornKey;
        raise(info.ability, info.amount);
    }
    RefreshTotal();
    startBlink();
    L(ListId::Faxing).enabled = false;
    open(ListId::Toubeibu);
}

void BuildEngine::Toubeibu_Click()
{
    const QString &text = textOf(ListId::Toubeibu);
    if (text.isEmpty())
        return;
    if (text == NoneItem) {
        L(ListId::Toubeibu).enabled = false;
        open(ListId::Shoujianbu);
        return;
    }
    const ItemInfo &info = Catalogue::instance().item(text);
    if (info.kind == ItemInfo::Plus)
        raise(info.ability, info.amount);
    if (keyTaken(text, {}, {HornSlot::FaxingJiao})) {
        refuse();
        return;
    }
    if (info.kind == ItemInfo::Horn)
        raise(info.ability, info.amount);
    RefreshTotal();
    startBlink();
    L(ListId::Toubeibu).enabled = false;
    open(ListId::Shoujianbu);
}

void BuildEngine::Shoujianbu_Click()
{
    const QString &text = textOf(ListId::Shoujianbu);
    if (text.isEmpty())
        return;
    const ItemInfo &info = Catalogue::instance().item(text);
    if (info.kind == ItemInfo::Plus) {
        raise(info.ability, info.amount);
        RefreshTotal();
        startBlink();
    }
    L(ListId::Shoujianbu).enabled = false;
    m_page = Page::Frame2_4;
    open(ListId::Tuijiaobu);
}

void BuildEngine::Tuijiaobu_Click()
{
    const QString &text = textOf(ListId::Tuijiaobu);
    if (text.isEmpty())
        return;
    const ItemInfo &info = Catalogue::instance().item(text);
    if (info.kind == ItemInfo::Plus) {
        raise(info.ability, info.amount);
        RefreshTotal();
        startBlink();
    }
    L(ListId::Tuijiaobu).enabled = false;
    open(ListId::DuiyouA1);
}

// The teammate slots take any text as an answer; only a pick reaches them.
void BuildEngine::DuiyouA1_Click()
{
    const QString &text = textOf(ListId::DuiyouA1);
    if (text == NoneItem) {
        L(ListId::DuiyouA1).enabled = false;
        open(ListId::DuiyouA2);
        return;
    }
    if (keyTaken(text, {&textOf(ListId::Toubeibu)}, {HornSlot::FaxingJiao})) {
        refuse();
        return;
    }
    const ItemInfo &info = Catalogue::instance().item(text);
    if (info.kind == ItemInfo::Horn)
        raise(info.ability, info.amount);
    RefreshTotal();
    startBlink();
    L(ListId::DuiyouA1).enabled = false;
    open(ListId::DuiyouA2);
}

void BuildEngine::DuiyouA2_Click()
{
    const QString &text = textOf(ListId::DuiyouA2);
    if (text == NoneItem) {
        L(ListId::DuiyouA2).enabled = false;
        open(ListId::DuiyouB1);
        return;
    }
    const ItemInfo &info = Catalogue::instance().item(text);
    auto &key = m_horn[int(HornSlot::DuiyouAJiao)];
    if (info.kind == ItemInfo::DragonHead)
        key = info.hornKey; // stored before the comparison, refused or not
    if (keyTaken(key, {&textOf(ListId::Toubeibu), &textOf(ListId::DuiyouA1)}, {HornSlot::FaxingJiao})) {
        refuse();
        return;
    }
    if (info.kind == ItemInfo::DragonHead)
        raise(info.ability, info.amount);
    RefreshTotal();
    startBlink();
    L(ListId::DuiyouA2).enabled = false;
    open(ListId::DuiyouB1);
}

void BuildEngine::DuiyouB1_Click()
{
    const QString &text = textOf(ListId::DuiyouB1);
    if (text == NoneItem) {
        L(ListId::DuiyouB1).enabled = false;
        open(ListId::DuiyouB2);
        return;
    }
    if (keyTaken(text, {&textOf(ListId::Toubeibu), &textOf(ListId::DuiyouA1)},
                 {HornSlot::FaxingJiao, HornSlot::DuiyouAJiao})) {
        refuse();
        return;
    }
    const ItemInfo &info = Catalogue::instance().item(text);
    if (info.kind == ItemInfo::Horn)
        raise(info.ability, info.amount);
    RefreshTotal();
    startBlink();
    L(ListId::DuiyouB1).enabled = false;
    open(ListId::DuiyouB2);
}

void BuildEngine::DuiyouB2_Click()
{
    const QString &text = textOf(ListId::DuiyouB2);
    if (text != NoneItem) {
        const ItemInfo &info = Catalogue::instance().item(text);
        auto &key = m_horn[int(HornSlot::DuiyouBJiao)];
        if (info.kind == ItemInfo::DragonHead)
            key = info.hornKey;
        if (keyTaken(key, {&textOf(ListId::Toubeibu), &textOf(ListId::DuiyouA1), &textOf(ListId::DuiyouB1)},
                     {HornSlot::FaxingJiao, HornSlot::DuiyouAJiao})) {
            refuse();
            return;
        }
        if (info.kind == ItemInfo::DragonHead)
            raise(info.ability, info.amount);
        RefreshTotal();
        startBlink();
    }
    L(ListId::DuiyouB2).enabled = false;
    m_page = Page::Frame2;
    setTipText(TipFinal);
}

// ---- page links -----------------------------------------------------------------

void BuildEngine::d1y1_Click() { m_page = Page::Frame2; }
void BuildEngine::d1y2_Click() { m_page = Page::Frame2; }
void BuildEngine::d2y1_Click() { m_page = Page::Frame2_2; }
void BuildEngine::d2y2_Click() { m_page = Page::Frame2_2; }
void BuildEngine::d3y1_Click() { m_page = Page::Frame2_3; }
void BuildEngine::d3y2_Click() { m_page = Page::Frame2_3; }
void BuildEngine::d4y1_Click() { m_page = Page::Frame2_4; }
void BuildEngine::d4y2_Click() { m_page = Page::Frame2_4; }

// ---- picks ------------------------------------------------------------------------

void BuildEngine::runHandler(ListId id)
{
    switch (id) {
    case ListId::ZYe: ZYe_Click(); break;
    case ListId::Dji: Dji_Click(); break;
    case ListId::Sgao: Sgao_Click(); break;
    case ListId::Xlian: Xlian_Click(); break;
    case ListId::Vip: Vip_Click(); break;
    case ListId::Youxie1: Youxie1_Click(); break;
    case ListId::Youxie2: Youxie2_Click(); break;
    case ListId::Wuxie: Wuxie_Click(); break;
    case ListId::Shangyi1: Shangyi1_Click(); break;
    case ListId::Shangyi2: Shangyi2_Click(); break;
    case ListId::Xiayi1: Xiayi1_Click(); break;
    case ListId::Xiayi2: Xiayi2_Click(); break;
    case ListId::Xiezi1: Xiezi1_Click(); break;
    case ListId::Xiezi2: Xiezi2_Click(); break;
    case ListId::Jiaqiangbao1: Jiaqiangbao1_Click(); break;
    case ListId::Jiaqiangbao2: Jiaqiangbao2_Click(); break;
    case ListId::Xinshouzhuang: Xinshouzhuang_Click(); break;
    case ListId::Faxing: Faxing_Click(); break;
    case ListId::Toubeibu: Toubeibu_Click(); break;
    case ListId::Shoujianbu: Shoujianbu_Click(); break;
    case ListId::Tuijiaobu: Tuijiaobu_Click(); break;
    case ListId::DuiyouA1: DuiyouA1_Click(); break;
    case ListId::DuiyouA2: DuiyouA2_Click(); break;
    case ListId::DuiyouB1: DuiyouB1_Click(); break;
    case ListId::DuiyouB2: DuiyouB2_Click(); break;
    }
}

bool BuildEngine::pick(ListId id, const QString &item)
{
    OptionList &l = L(id);
    if (!l.enabled || !l.visible || !l.items.contains(item))
        return false;
    l.text = item;
    runHandler(id);
    return true;
}

bool BuildEngine::pick(const QString &list, const QString &item)
{
    const std::optional<ListId> id = listByName(list);
    return id && pick(*id, item);
}

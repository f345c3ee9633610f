#include "RadarWindow.h"

#include "BuildPictures.h"
#include "ComparisonSlots.h"
#include "PictureFile.h"
#include "WindowList.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr qreal PictureScale = 2;
const QSize ChartSize(460, 540);

} // namespace

RadarChart::RadarChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RadarChart"));
    setAccessibleName(QStringLiteral("能力雷达图"));
    setMinimumSize(ChartSize / 2);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void RadarChart::setSeries(const QList<RadarSeries> &series)
{
    m_series = series;
    QStringList legend;
    for (const RadarSeries &s : series)
        legend.append(s.legend);
    setAccessibleDescription(legend.join(QStringLiteral("；")));
    update();
}

RadarLayout RadarChart::layout() const { return radarLayout(m_series, size()); }

QSize RadarChart::sizeHint() const { return ChartSize; }

void RadarChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintRadar(painter, layout());
}

RadarWindow::RadarWindow(const ComparisonSlots &slots, QWidget *parent)
    : QWidget(parent, Qt::Window), m_slots(slots)
{
    setObjectName(QStringLiteral("RadarWindow"));
    setWindowTitle(Title);
    chart = new RadarChart(this);
    CopyPicture = new QPushButton(QStringLiteral("复制图片"), this);
    CopyPicture->setObjectName(QStringLiteral("CopyPicture"));
    SavePicture = new QPushButton(QStringLiteral("保存图片"), this);
    SavePicture->setObjectName(QStringLiteral("SavePicture"));
    connect(CopyPicture, &QPushButton::clicked, this, &RadarWindow::CopyPicture_Click);
    connect(SavePicture, &QPushButton::clicked, this, &RadarWindow::SavePicture_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CopyPicture);
    buttons->addWidget(SavePicture);
    auto *column = new QVBoxLayout(this);
    column->addWidget(chart, 1);
    column->addLayout(buttons);
    showSlots();
}

void RadarWindow::showSlots()
{
    chart->setSeries(radarSeries([this](int n, int row) { return m_slots.cell(n, row); }));
}

QImage RadarWindow::picture() const { return radarImage(radarLayout(chart->series(), ChartSize), PictureScale); }

void RadarWindow::CopyPicture_Click() { PictureFile::copy(picture()); }

void RadarWindow::SavePicture_Click()
{
    PictureFile::save(this, picture(), QStringLiteral("保存图片"), QStringLiteral("能力雷达图.png"));
}

void RadarWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    WindowList::opened(this);
}

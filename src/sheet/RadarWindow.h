#pragma once

#include "RadarGeometry.h"

#include <QWidget>

class ComparisonSlots;
class QPushButton;

// The chart surface: draws the layout for its own size.
class RadarChart : public QWidget {
    Q_OBJECT
public:
    explicit RadarChart(QWidget *parent = nullptr);
    void setSeries(const QList<RadarSeries> &series);
    const QList<RadarSeries> &series() const { return m_series; }
    RadarLayout layout() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<RadarSeries> m_series;
};

// "能力雷达图 - ZR角色助手": the builds of one comparison window as a radar
// chart, one polygon per slot whose 跑动 cell holds a number. It follows its
// window's slots (showSlots after every change) and copies or saves the
// chart as a picture at twice its size.
class RadarWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("能力雷达图 - ZR角色助手");

    // Stands beside its comparison window (the parent), right when there
    // is room, else left.
    RadarWindow(const ComparisonSlots &slots, QWidget *parent);

    // Reads the slots again and redraws.
    void showSlots();
    // The chart as the picture copied and saved.
    QImage picture() const;

    void CopyPicture_Click();
    void SavePicture_Click();

    RadarChart *chart = nullptr;
    QPushButton *CopyPicture = nullptr; // "复制图片"
    QPushButton *SavePicture = nullptr; // "保存图片"

protected:
    void showEvent(QShowEvent *event) override;

private:
    const ComparisonSlots &m_slots;
};

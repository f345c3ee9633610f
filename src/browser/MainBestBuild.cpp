// The ability captions' context menu: "求…最高的配置" asks app/ to open the
// best-build window with that caption as the objective.

#include "Main.h"

#include "AbilityExplanations.h"
#include "ClickLabel.h"

#include <QMenu>

QMenu *Main::captionMenu(int row)
{
    auto *menu = new QMenu(this);
    const QString caption = row < AbilityCount ? Abilities[row].name.toString() : QStringLiteral("综合");
    QAction *action = menu->addAction(u"求" + caption + u"最高的配置");
    action->setObjectName(QStringLiteral("bestBuild"));
    // Only once a character is chosen: its position list is open from then on.
    action->setEnabled(m_engine.list(ListId::ZYe).enabled);
    connect(action, &QAction::triggered, this, [this, row] { Q_EMIT bestBuildRequested(row); });
    return menu;
}

void Main::wireBestBuildMenu()
{
    for (int row = 0; row < ExplanationCount; ++row) {
        auto *caption = findChild<ClickLabel *>(AbilityExplanations[row].captionLabel.toString());
        caption->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(caption, &QWidget::customContextMenuRequested, this, [this, caption, row](const QPoint &at) {
            QMenu *menu = captionMenu(row);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(caption->mapToGlobal(at));
        });
    }
}

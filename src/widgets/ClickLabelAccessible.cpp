#include "ClickLabelAccessible.h"

#include "ClickLabel.h"

#include <QAccessibleWidget>
#include <QGroupBox>

namespace {

// A label with a click action reads as a Link with the action Press; one
// that only marks reads as static text. The name is the accessible name
// when one is set, otherwise the spoken caption and the text.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    ClickLabel *label() const { return static_cast<ClickLabel *>(widget()); }

    QAccessible::Role role() const override
    {
        return label()->hasClickAction() ? QAccessible::Link : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (!label()->accessibleName().isEmpty())
            return label()->accessibleName();
        const QString text = spokenText(label()->text());
        const QString &caption = label()->spokenCaption();
        if (caption.isEmpty())
            return text;
        return caption + u'：' + (text.isEmpty() ? QStringLiteral("空") : text);
    }

    // A label names itself: the caption of the frame it sits on is no label
    // of it.
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto all = QAccessibleWidget::relations(match);
        all.removeIf([](const auto &r) {
            return r.second == QAccessible::Label && qobject_cast<QGroupBox *>(r.first->object());
        });
        return all;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->hasClickAction())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && label()->hasClickAction())
            label()->activate();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction() && label()->hasClickAction())
            return {QStringLiteral("Return"), QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

QAccessibleInterface *clickLabelFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ClickLabel") && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    return nullptr;
}

} // namespace

void installClickLabelAccessible()
{
    static const bool installed = (QAccessible::installFactory(clickLabelFactory), true);
    Q_UNUSED(installed);
}

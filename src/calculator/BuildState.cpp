#include "BuildState.h"

#include "BuildEngine.h"

#include <QJsonArray>

QJsonObject buildStateJson(const BuildEngine &e)
{
    QJsonObject o;
    o.insert(u"character", e.characterName());
    QJsonArray values, markers, red;
    for (int i = 0; i < AbilityCount; ++i) {
        values.append(e.abilityText(i));
        red.append(e.abilityRed(i));
    }
    for (int i = 0; i <= AbilityCount; ++i)
        markers.append(e.marker(i).text);
    o.insert(u"values", values);
    o.insert(u"total", e.totalText());
    o.insert(u"markers", markers);
    o.insert(u"red", red);
    o.insert(u"abilities_visible", e.abilitiesVisible());
    o.insert(u"tip", e.tip());
    o.insert(u"focus", e.focus());
    o.insert(u"page", pageName(e.page()));
    QJsonObject lists;
    for (int i = 0; i < ListCount; ++i) {
        const OptionList &l = e.list(ListId(i));
        QJsonObject list;
        list.insert(u"text", l.text);
        list.insert(u"enabled", l.enabled);
        list.insert(u"visible", l.visible);
        list.insert(u"items", QJsonArray::fromStringList(l.items));
        lists.insert(listName(ListId(i)), list);
    }
    o.insert(u"lists", lists);
    QJsonObject labels;
    for (int i = 0; i < ResultCount; ++i) {
        const ResultLabel &r = e.result(ResultId(i));
        QJsonObject label;
        label.insert(u"text", r.text);
        label.insert(u"visible", r.visible);
        labels.insert(resultName(ResultId(i)), label);
    }
    o.insert(u"labels", labels);
    o.insert(u"refused", e.refused());
    return o;
}

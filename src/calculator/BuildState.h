#pragma once

#include <QJsonObject>

class BuildEngine;

// The whole visible state of a build as one JSON object: what `zrc-cli build
// --json` prints and what the saved builds of the tests record.
//   character, values[12], total, markers[13], red[12], abilities_visible,
//   tip, focus, page, lists{name: {text, enabled, visible, items}},
//   labels{name: {text, visible}}, refused
QJsonObject buildStateJson(const BuildEngine &engine);

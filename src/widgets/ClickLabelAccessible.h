#pragma once

// Makes ClickLabel known to assistive technology (see ClickLabel). Cheap and
// idempotent: the first call registers one factory function, later calls do
// nothing; the interfaces themselves are made only when a tool asks.
void installClickLabelAccessible();

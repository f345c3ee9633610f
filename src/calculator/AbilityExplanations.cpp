#include "AbilityExplanations.h"

const std::array<AbilityExplanation, ExplanationCount> AbilityExplanations{{
    {u"Label_PD", u"Paodong",   u"跑动（SG=PG>SF>PF>C）：影响角色无球和带球时的移动速度。"},
    {u"Label_TT", u"Tantiao",   u"弹跳（PF>SF>C>PG>SG）：影响角色上篮距离、扣篮几率、无球速度、抢板范围高度、盖帽距离。"},
    {u"Label_DK", u"Duikang",   u"对抗（C>PF>SF>PG>SG）：影响上篮灌篮时盖帽成功率以及对方命中率。"},
    {u"Label_CQ", u"Chuanqiu",  u"传球（PG>SG>C=PF=SF）：影响角色的传球速度以及传球时被截断的几率。"},
    {u"Label_YQ", u"Yunqiu",    u"运球（PG>SG>SF>PF>C）：影响角色带球速度以及控球能力。"},
    {u"Label_LB", u"Lanban",    u"篮板（C>PF>SF>SG=PG）：影响角色抢板的范围。"},
    {u"Label_GM", u"Gaimao",    u"盖帽（C>PF>SF=PG>SG）：影响角色盖帽的范围和时间。"},
    {u"Label_QD", u"Qiangduan", u"抢断（PG=SG>SF>PF>C）：影响角色抢断速度以及空中传球时断球几率。"},
    {u"Label_ZT", u"Zhongtou",  u"中投（SF>PF=SG>PG>C）：影响角色的中投命中（包括凌波微步、虚幻转身抛射、后仰中投、中距离后撤投篮）。"},
    {u"Label_SF", u"Sanfen",    u"三分（SG>PG=SF>PF>C）：影响角色的三分命中率（包括后仰三分、虚实转身3分）以及中投、灌篮近投命中率。"},
    {u"Label_GL", u"Guanlan",   u"灌篮（C>PF>SF>PG>SG）：影响角色上篮/扣篮命中率（包括补扣）。"},
    {u"Label_JT", u"Jintou",    u"近投（C>PF>SF>SG=PG）：影响篮下投篮的命中率（包括补篮，不包括虚实）。"},
    {u"label_ZH", u"Zonghe",    u"综合（C>PG>PF>SF>SG）：12项能力值总和。（无特别意义。）"},
}};

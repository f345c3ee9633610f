#include "CliCommands.h"

// zrc-cli's commands, one row each, in the order `zrc-cli --help` lists them.

namespace {

const CliOption DataDir{{QStringLiteral("data-dir")}, QStringLiteral("DIR"),
                        QStringLiteral("数据目录（ZRCdata.dat 所在的文件夹），默认与程序相同的规则")};
const CliOption FromSheet{{QStringLiteral("from-sheet")}, QStringLiteral("FILE"),
                          QStringLiteral("从能力表或分享文字载入设定（- 为标准输入），代替 CHARACTER 和 LIST=ITEM")};

} // namespace

const QList<CliCommand> &cliCommands()
{
    static const QList<CliCommand> commands{
        {QStringLiteral("ini"), QStringLiteral("按程序的方式读写配置格式的文件"),
         {QStringLiteral("ini get FILE SECTION KEY"), QStringLiteral("ini set FILE SECTION KEY (VALUE | --delete)")},
         QStringLiteral("get 打印程序读到的值，从不改动文件。\n"
                        "set 按程序的方式写入：文件、节和键按需创建；--delete 删除这个键。\n"
                        "以 - 开头的值写在 -- 之后，例如 zrc-cli ini set a.ini zrc k -- -5。"),
         {{{QStringLiteral("delete")}, QString(), QStringLiteral("删除这个键（代替 VALUE）")}},
         runIniCommand},
        {QStringLiteral("build"), QStringLiteral("在计算器的引擎上重放一次角色能力设定"),
         {QStringLiteral("build [--data-dir DIR] [--json] CHARACTER [LIST=ITEM]..."),
          QStringLiteral("build --from-sheet FILE [--data-dir DIR] [--json]")},
         QStringLiteral("先在“所有角色”里选中 CHARACTER，再按顺序在各列表里选择，与窗口里一样。\n"
                        "列表名是窗口里的控件名，例如 ZYe=G Dji=11级 Sgao=中等 Xlian=训练Ⅰ Vip=VIP。\n"
                        "当时未开放的选择使命令以状态 2 结束；不可叠加的选择只提示，继续重放。\n"
                        "--from-sheet 像主界面粘贴一样重放能力表或分享文字（FILE 为 - 时读标准输入），"
                        "再多打印一行与能力表数值的对照（--json 时为字段 \"sheet\"）；"
                        "数值一致时状态为 0，有不同时为 1，无法载入时为 2。"),
         {DataDir, FromSheet, {{QStringLiteral("json")}, QString(), QStringLiteral("以 JSON 打印整个计算器状态")}},
         runBuildCommand},
        {QStringLiteral("best"), QStringLiteral("求某项能力或加权和最高的角色能力设定"),
         {QStringLiteral("best [--data-dir DIR] [--json] CHARACTER [LIST=ITEM]... --maximise OBJECTIVE")},
         QStringLiteral("在所有一次走完的设定里找出 OBJECTIVE 最高的一个，并包含给出的每个 LIST=ITEM。\n"
                        "OBJECTIVE 是一项能力（如 三分）、综合，或加权和（如 三分=2,中投=1，权重为非负小数）。\n"
                        "同分时取各列表选项序号依次最小的设定。标准输出只有 LIST=ITEM，\n"
                        "可直接交给 build 重放；各能力值、综合和目标值写到标准错误。\n"
                        "未知角色、未知目标或没有满足条件的设定时以状态 2 结束（build 对被拒的选择只提示）。"),
         {DataDir, {{QStringLiteral("json")}, QString(), QStringLiteral("打印一个 JSON 对象：选择、能力值、目标值、搜索量与用时")},
          {{QStringLiteral("maximise")}, QStringLiteral("OBJECTIVE"), QStringLiteral("要最大化的目标")}},
         runBestCommand},
        {QStringLiteral("sheet"), QStringLiteral("打印能力表（复制到剪贴板的文字）或分享文字"),
         {QStringLiteral("sheet [--data-dir DIR] [--post] CHARACTER [LIST=ITEM]..."),
          QStringLiteral("sheet --from-sheet FILE [--data-dir DIR] [--post]")},
         QStringLiteral("与 build 一样重放设定，然后打印窗口复制的能力表；--post 打印分享文字。\n"
                        "--from-sheet 从能力表载入设定再打印，用同一程序和数据目录时与原文件逐字节相同；"
                        "状态与 build --from-sheet 相同。"),
         {DataDir, FromSheet, {{QStringLiteral("post")}, QString(), QStringLiteral("打印分享文字而不是能力表")}},
         runSheetCommand},
        {QStringLiteral("library"), QStringLiteral("列出“我的配置”文件夹里保存的能力表"),
         {QStringLiteral("library [--data-dir DIR] [--dir FOLDER] [--sort COLUMN] [--json]")},
         QStringLiteral("读出文件夹里每个 *.txt（不含子文件夹），像 build --from-sheet 一样载入并重放，\n"
                        "与“我的配置”窗口列出同样的行：状态为一致、不同（数据版本不同）或无法读取，附载入的原因。\n"
                        "FOLDER 默认为 Ctrl+S 建议的文件夹（文档下的“ZR角色助手”）。\n"
                        "COLUMN 为 file、character、position、level、training、total、date 或能力名（跑动 … 近投、综合）；\n"
                        "数字列从大到小，文字列从小到大，默认按文件名。\n"
                        "--json 打印一个数组，每个文件一个对象：file、status（agrees、differs、unreadable）、reason，\n"
                        "载入的文件还有 character、position、level、training、abilities 和 total（能力表写的数值）。\n"
                        "选项有误、数据库或文件夹无法读取时状态为 2，否则为 0。"),
         {DataDir, {{QStringLiteral("dir")}, QStringLiteral("FOLDER"), QStringLiteral("保存能力表的文件夹")},
          {{QStringLiteral("sort")}, QStringLiteral("COLUMN"), QStringLiteral("排序的列，默认 file")},
          {{QStringLiteral("json")}, QString(), QStringLiteral("以 JSON 数组打印")}},
         runLibraryCommand},
        {QStringLiteral("card"), QStringLiteral("把一次角色能力设定画成图片（PNG）"),
         {QStringLiteral("card [--data-dir DIR] --out FILE.png [--scale 1|1.5|2] CHARACTER [LIST=ITEM]...")},
         QStringLiteral("与 build 一样重放设定，然后把主界面“复制为图片”的那张图写进 FILE.png：\n"
                        "头像、角色、球队、职业、身高、等级、训练、VIP、十二项能力条和综合，\n"
                        "以及设定的各项选择（每项一行，不选择的不列出，过长的按字数截断）。\n"
                        "--scale 2 的图片宽高都正好是 --scale 1 的两倍。不需要显示器（默认用 offscreen 平台）。"),
         {DataDir, {{QStringLiteral("out")}, QStringLiteral("FILE.png"), QStringLiteral("写入的 PNG 文件")},
          {{QStringLiteral("scale")}, QStringLiteral("1|1.5|2"), QStringLiteral("图片的倍数，默认 1")}},
         runCardCommand},
        {QStringLiteral("levelup"), QStringLiteral("打印升级助手对给定经验和速度显示的内容"),
         {QStringLiteral("levelup EXP [SPEED]")},
         QStringLiteral("EXP 是当前经验，SPEED 是每天获得的经验（默认 2000）；"
                        "打印窗口以这两个已保存文字打开时显示的内容。"),
         {},
         runLevelUpCommand},
        {QStringLiteral("ping"), QStringLiteral("测量四个区的延迟并打印评价"),
         {QStringLiteral("ping [--data-dir DIR]")},
         QStringLiteral("向端点文件里每个区的服务器发送 ICMP 回显请求，打印每个区的时间和评价。"),
         {DataDir},
         runPingCommand},
        {QStringLiteral("db"), QStringLiteral("检查游戏数据库"),
         {QStringLiteral("db check [--data-dir DIR]")},
         QStringLiteral("读一遍 ZRCdata.dat，报告程序会遇到的问题；没有问题时状态为 0。"),
         {DataDir},
         runDbCommand},
    };
    return commands;
}

// The choice list texts in UTF-8: the one source of the dialogs' choice lists and of the CSV cells.
#include "formats/choice_texts.h"

const std::array<std::u8string_view, ABILITY_COUNT> ABILITY_NAMES = {u8"武力", u8"知力", u8"政治", u8"魅力"};

const std::array<std::u8string_view, SKILL_COUNT> SKILL_NAMES = {
    u8"鬼謀", u8"神算", u8"虚報", u8"歩兵", u8"騎兵", u8"弩兵", u8"水軍", u8"偵察", u8"全能",
    u8"神眼", u8"築城", u8"警備", u8"発明", u8"威風", u8"弁舌", u8"反計", u8"挑発", u8"混乱",
    u8"猛者", u8"智嚢", u8"治略", u8"人徳", u8"医術", u8"天文", u8"耕作", u8"商才",
};

const std::array<std::u8string_view, TACTIC_COUNT> TACTIC_NAMES = {
    u8"乱撃", u8"突撃", u8"奇襲", u8"撹乱", u8"車懸", u8"槍衾", u8"斉射", u8"火矢",
    u8"矢嵐", u8"乱射", u8"烈火", u8"激流", u8"妖術", u8"落石", u8"攻城",
};

const std::array<std::u8string_view, TACTIC_RANK_COUNT> TACTIC_RANK_NAMES = {
    u8"未", u8"初", u8"弐", u8"参", u8"四", u8"五", u8"極",
};

const std::array<std::u8string_view, 2> SKILL_STATE_NAMES = {u8"無", u8"有"};

const std::array<std::u8string_view, ITEM_TYPE_COUNT> ITEM_TYPE_NAMES = {
    u8"名馬", u8"武具 [武力]", u8"地図", u8"医書", u8"奇書 [知力]", u8"兵書 [知力]",
    u8"経書 [知力]", u8"史書 [政治]", u8"論文 [政治]", u8"玉璽 [魅力100]", u8"宝物", u8"装飾",
};

// Entry 19 holds the user-defined character U+E059 (code page 932 F0 9A).
const std::array<std::u8string_view, ITEM_IMAGE_COUNT> ITEM_IMAGE_NAMES = {
    u8"赤兎馬", u8"的盧", u8"爪黄飛電", u8"絶影", u8"大宛馬",
    u8"七星宝刀", u8"倚天の剣", u8"青釭の剣", u8"方天画戟", u8"青龍偃月刀",
    u8"蛇矛", u8"鉄脊蛇矛", u8"雌雄一対の剣", u8"古錠刀", u8"三尖刀",
    u8"双鉄戟", u8"大斧", u8"鉄鞭", u8"袖箭", u8"鉄\uE059藜骨朶",
    u8"流星鎚", u8"短戟", u8"飛刀", u8"手戟", u8"眉尖刀",
    u8"銅鎚", u8"鉄鎖", u8"西蜀地形図", u8"平蛮指掌図", u8"太平清領道",
    u8"青嚢書", u8"傷寒雑病論", u8"遁甲天書", u8"太平要術の書", u8"孫子の兵法書",
    u8"兵法二十四編", u8"六韜", u8"孟徳新書", u8"墨子", u8"論語",
    u8"老子", u8"荘子", u8"詩経", u8"書経", u8"礼記",
    u8"易経", u8"春秋左氏伝", u8"史記", u8"漢書", u8"戦国策",
    u8"論語集解", u8"典論", u8"博奕論", u8"時要論", u8"治論",
    u8"弁道論", u8"乾象暦注", u8"孝経伝", u8"仇国論", u8"玉璽",
    u8"九錫", u8"銅雀", u8"羽扇", u8"長信宮燈", u8"博山炉",
    u8"龍の方壷", u8"漆塗りの鼎", u8"金象嵌の壷", u8"和氏の璧", u8"牛燈",
    u8"神獣の硯", u8"玉龍紋璧", u8"呂氏鏡", u8"青釉穀倉罐", u8"酒盃",
    u8"算盤", u8"茶", u8"琴", u8"金耳墜", u8"羅綺香嚢",
};

const std::array<std::u8string_view, ITEM_SKILL_COUNT> ITEM_SKILL_NAMES = {
    u8"猛者", u8"智嚢", u8"治略", u8"人徳", u8"医術", u8"天文", u8"耕作", u8"商才", u8"築城",
    u8"警備", u8"発明", u8"威風", u8"弁舌", u8"反計", u8"挑発", u8"混乱", u8"虚報", u8"歩兵",
    u8"騎兵", u8"弩兵", u8"水軍", u8"偵察", u8"全能", u8"神眼", u8"鬼謀", u8"神算", u8"なし",
};

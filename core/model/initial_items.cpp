// The built-in initial item table and the reset that applies it.
#include "model/initial_items.h"

#include "model/item_table.h"
#include "model/text_field.h"

// count, name, type, image, price_code (price / 50), increase, skill. The names are the Shift-JIS
// bytes they are stored as, each with its text in a comment; the user-defined character of entry 19
// is U+E059, F0 9A.
constexpr InitialItemTable INITIAL_ITEM_TABLE = {{
    {1, "\x90\xD4\x93\x65\x94\x6E" /* 赤兎馬 */, 0, 0, 30, 0, NO_SKILL},  // 0: item 0
    {1, "\x93\x49\xE1\xB8" /* 的盧 */, 0, 1, 15, 0, NO_SKILL},  // 1: item 1
    {1, "\x92\xDC\x89\xA9\x94\xF2\x93\x64" /* 爪黄飛電 */, 0, 2, 10, 0, NO_SKILL},  // 2: item 2
    {1, "\x90\xE2\x89\x65" /* 絶影 */, 0, 3, 10, 0, NO_SKILL},  // 3: item 3
    {5, "\x91\xE5\x88\xB6\x94\x6E" /* 大宛馬 */, 0, 4, 8, 0, NO_SKILL},  // 4: items 4-8
    {1, "\x8E\xB5\x90\xAF\x95\xF3\x93\x81" /* 七星宝刀 */, 1, 5, 20, 10, 11},  // 5: item 9, skill 威風
    {1, "\x98\xDF\x93\x56\x82\xCC\x8C\x95" /* 倚天の剣 */, 1, 6, 12, 3, NO_SKILL},  // 6: item 10
    {1, "\x90\xC2\xFB\xBD\x82\xCC\x8C\x95" /* 青釭の剣 */, 1, 7, 12, 3, NO_SKILL},  // 7: item 11
    {1, "\x95\xFB\x93\x56\x89\xE6\x8C\x81" /* 方天画戟 */, 1, 8, 18, 8, 0},  // 8: item 12, skill 猛者
    {3, "\x95\xFB\x93\x56\x89\xE6\x8C\x81" /* 方天画戟 */, 1, 8, 9, 2, NO_SKILL},  // 9: items 13-15
    {1, "\x90\xC2\x97\xB4\x98\xEE\x8C\x8E\x93\x81" /* 青龍偃月刀 */, 1, 9, 18, 5, 0},  // 10: item 16, skill 猛者
    {1, "\x8E\xD6\x96\xB5" /* 蛇矛 */, 1, 10, 18, 5, 0},  // 11: item 17, skill 猛者
    {1, "\x93\x53\x90\xD2\x8E\xD6\x96\xB5" /* 鉄脊蛇矛 */, 1, 11, 10, 3, NO_SKILL},  // 12: item 18
    {1, "\x8E\x93\x97\x59\x88\xEA\x91\xCE\x82\xCC\x8C\x95" /* 雌雄一対の剣 */, 1, 12, 12, 3, NO_SKILL},  // 13: item 19
    {1, "\x8C\xC3\x8F\xF9\x93\x81" /* 古錠刀 */, 1, 13, 10, 3, NO_SKILL},  // 14: item 20
    {1, "\x8E\x4F\x90\xEB\x93\x81" /* 三尖刀 */, 1, 14, 10, 3, NO_SKILL},  // 15: item 21
    {1, "\x91\x6F\x93\x53\x8C\x81" /* 双鉄戟 */, 1, 15, 10, 3, NO_SKILL},  // 16: item 22
    {4, "\x91\xE5\x95\x80" /* 大斧 */, 1, 16, 8, 2, NO_SKILL},  // 17: items 23-26
    {4, "\x93\x53\x95\xDA" /* 鉄鞭 */, 1, 17, 7, 2, NO_SKILL},  // 18: items 27-30
    {1, "\x93\x53\xF0\x9A\xE5\x5B\x8D\x9C\x9E\x53" /* 鉄藜骨朶 */, 1, 19, 7, 2, NO_SKILL},  // 19: item 31
    {4, "\x97\xAC\x90\xAF\x92\xC8" /* 流星鎚 */, 1, 20, 6, 2, NO_SKILL},  // 20: items 32-35
    {4, "\x92\x5A\x8C\x81" /* 短戟 */, 1, 21, 3, 1, NO_SKILL},  // 21: items 36-39
    {4, "\x94\xF2\x93\x81" /* 飛刀 */, 1, 22, 4, 1, NO_SKILL},  // 22: items 40-43
    {5, "\x8E\xE8\x8C\x81" /* 手戟 */, 1, 23, 5, 1, NO_SKILL},  // 23: items 44-48
    {5, "\x94\xFB\x90\xEB\x93\x81" /* 眉尖刀 */, 1, 24, 7, 2, NO_SKILL},  // 24: items 49-53
    {5, "\x93\xBA\x92\xC8" /* 銅鎚 */, 1, 25, 8, 2, NO_SKILL},  // 25: items 54-58
    {5, "\x93\x53\x8D\xBD" /* 鉄鎖 */, 1, 26, 7, 2, NO_SKILL},  // 26: items 59-63
    {1, "\x91\xB3\x90\xFB" /* 袖箭 */, 1, 18, 3, 1, NO_SKILL},  // 27: item 64
    {1, "\x90\xBC\xE5\x86\x92\x6E\x8C\x60\x90\x7D" /* 西蜀地形図 */, 2, 27, 12, 0, 21},  // 28: item 65, skill 偵察
    {1, "\x95\xBD\x94\xD8\x8E\x77\x8F\xB6\x90\x7D" /* 平蛮指掌図 */, 2, 28, 12, 0, 21},  // 29: item 66, skill 偵察
    {1, "\x91\xBE\x95\xBD\x90\xB4\x97\xCC\x93\xB9" /* 太平清領道 */, 3, 29, 20, 0, 4},  // 30: item 67, skill 医術
    {1, "\x90\xC2\x94\x58\x8F\x91" /* 青嚢書 */, 3, 30, 20, 0, 4},  // 31: item 68, skill 医術
    {1, "\x8F\x9D\x8A\xA6\x8E\x47\x95\x61\x98\x5F" /* 傷寒雑病論 */, 3, 31, 15, 0, 4},  // 32: item 69, skill 医術
    {1, "\x93\xD9\x8D\x62\x93\x56\x8F\x91" /* 遁甲天書 */, 4, 32, 30, 10, 23},  // 33: item 70, skill 神眼
    {1, "\x91\xBE\x95\xBD\x97\x76\x8F\x70\x82\xCC\x8F\x91" /* 太平要術の書 */, 4, 33, 30, 10, 25},  // 34: item 71, skill 神算
    {5, "\x91\xB7\x8E\x71\x82\xCC\x95\xBA\x96\x40\x8F\x91" /* 孫子の兵法書 */, 5, 34, 15, 5, 20},  // 35: items 72-76, skill 水軍
    {1, "\x95\xBA\x96\x40\x93\xF1\x8F\x5C\x8E\x6C\x95\xD2" /* 兵法二十四編 */, 5, 35, 20, 8, 24},  // 36: item 77, skill 鬼謀
    {5, "\x98\x5A\xE8\xE9" /* 六韜 */, 5, 36, 10, 5, NO_SKILL},  // 37: items 78-82
    {1, "\x96\xD0\x93\xBF\x90\x56\x8F\x91" /* 孟徳新書 */, 5, 37, 15, 5, 17},  // 38: item 83, skill 歩兵
    {5, "\x96\x6E\x8E\x71" /* 墨子 */, 5, 38, 15, 5, 8},  // 39: items 84-88, skill 築城
    {4, "\x98\x5F\x8C\xEA" /* 論語 */, 6, 39, 10, 5, NO_SKILL},  // 40: items 89-92
    {4, "\x98\x56\x8E\x71" /* 老子 */, 6, 40, 10, 5, NO_SKILL},  // 41: items 93-96
    {4, "\x91\x91\x8E\x71" /* 荘子 */, 6, 41, 10, 5, NO_SKILL},  // 42: items 97-100
    {4, "\x8E\x8D\x8C\x6F" /* 詩経 */, 6, 42, 10, 5, NO_SKILL},  // 43: items 101-104
    {4, "\x8F\x91\x8C\x6F" /* 書経 */, 6, 43, 10, 5, NO_SKILL},  // 44: items 105-108
    {4, "\x97\xE7\x8B\x4C" /* 礼記 */, 6, 44, 10, 5, NO_SKILL},  // 45: items 109-112
    {4, "\x88\xD5\x8C\x6F" /* 易経 */, 6, 45, 10, 5, NO_SKILL},  // 46: items 113-116
    {5, "\x8F\x74\x8F\x48\x8D\xB6\x8E\x81\x93\x60" /* 春秋左氏伝 */, 7, 46, 30, 10, NO_SKILL},  // 47: items 117-121
    {5, "\x8E\x6A\x8B\x4C" /* 史記 */, 7, 47, 30, 10, NO_SKILL},  // 48: items 122-126
    {6, "\x8A\xBF\x8F\x91" /* 漢書 */, 7, 48, 15, 7, NO_SKILL},  // 49: items 127-132
    {6, "\x90\xED\x8D\x91\x8D\xF4" /* 戦国策 */, 7, 49, 15, 7, NO_SKILL},  // 50: items 133-138
    {1, "\x98\x5F\x8C\xEA\x8F\x57\x89\xF0" /* 論語集解 */, 8, 50, 10, 5, NO_SKILL},  // 51: item 139
    {1, "\x93\x54\x98\x5F" /* 典論 */, 8, 51, 10, 5, NO_SKILL},  // 52: item 140
    {1, "\x94\x8E\x9A\xF3\x98\x5F" /* 博奕論 */, 8, 52, 10, 5, NO_SKILL},  // 53: item 141
    {1, "\x8E\x9E\x97\x76\x98\x5F" /* 時要論 */, 8, 53, 10, 5, NO_SKILL},  // 54: item 142
    {1, "\x8E\xA1\x98\x5F" /* 治論 */, 8, 54, 10, 5, NO_SKILL},  // 55: item 143
    {1, "\x95\xD9\x93\xB9\x98\x5F" /* 弁道論 */, 8, 55, 10, 5, NO_SKILL},  // 56: item 144
    {1, "\x8A\xA3\x8F\xDB\x97\xEF\x92\x8D" /* 乾象暦注 */, 8, 56, 10, 5, NO_SKILL},  // 57: item 145
    {1, "\x8D\x46\x8C\x6F\x93\x60" /* 孝経伝 */, 8, 57, 10, 5, NO_SKILL},  // 58: item 146
    {1, "\x8B\x77\x8D\x91\x98\x5F" /* 仇国論 */, 8, 58, 10, 5, NO_SKILL},  // 59: item 147
    {1, "\x8B\xCA\x8E\xA3" /* 玉璽 */, 9, 59, 50, 0, 3},  // 60: item 148, skill 人徳
    {1, "\x8B\xE3\x8E\xE0" /* 九錫 */, 10, 60, 50, 0, 3},  // 61: item 149, skill 人徳
    {1, "\x93\xBA\x90\x9D" /* 銅雀 */, 10, 61, 20, 0, NO_SKILL},  // 62: item 150
    {1, "\x89\x48\x90\xEE" /* 羽扇 */, 10, 62, 5, 0, NO_SKILL},  // 63: item 151
    {5, "\x92\xB7\x90\x4D\x8B\x7B\x93\x95" /* 長信宮燈 */, 10, 63, 15, 0, NO_SKILL},  // 64: items 152-156
    {5, "\x94\x8E\x8E\x52\x98\x46" /* 博山炉 */, 10, 64, 12, 0, NO_SKILL},  // 65: items 157-161
    {5, "\x97\xB4\x82\xCC\x95\xFB\x92\xD9" /* 龍の方壷 */, 10, 65, 18, 0, NO_SKILL},  // 66: items 162-166
    {5, "\x8E\xBD\x93\x68\x82\xE8\x82\xCC\x93\x43" /* 漆塗りの鼎 */, 10, 66, 10, 0, NO_SKILL},  // 67: items 167-171
    {5, "\x8B\xE0\x8F\xDB\x9B\xC6\x82\xCC\x92\xD9" /* 金象嵌の壷 */, 10, 67, 15, 0, NO_SKILL},  // 68: items 172-176
    {1, "\x98\x61\x8E\x81\x82\xCC\xE0\xF8" /* 和氏の璧 */, 10, 68, 30, 0, NO_SKILL},  // 69: item 177
    {5, "\x8B\x8D\x93\x95" /* 牛燈 */, 10, 69, 12, 0, NO_SKILL},  // 70: items 178-182
    {5, "\x90\x5F\x8F\x62\x82\xCC\x8C\xA5" /* 神獣の硯 */, 10, 70, 20, 0, NO_SKILL},  // 71: items 183-187
    {5, "\x8B\xCA\x97\xB4\x96\xE4\xE0\xF8" /* 玉龍紋璧 */, 10, 71, 18, 0, NO_SKILL},  // 72: items 188-192
    {5, "\x98\x43\x8E\x81\x8B\xBE" /* 呂氏鏡 */, 10, 72, 10, 0, NO_SKILL},  // 73: items 193-197
    {5, "\x90\xC2\xE7\xD6\x8D\x92\x91\x71\xE3\xA3" /* 青釉穀倉罐 */, 10, 73, 8, 0, NO_SKILL},  // 74: items 198-202
    {10, "\x8E\xF0\x94\x75" /* 酒盃 */, 10, 74, 2, 0, NO_SKILL},  // 75: items 203-212
    {10, "\x8E\x5A\x94\xD5" /* 算盤 */, 10, 75, 10, 0, 7},  // 76: items 213-222, skill 商才
    {8, "\x92\x83" /* 茶 */, 10, 76, 1, 0, NO_SKILL},  // 77: items 223-230
    {1, "\x8B\xD5" /* 琴 */, 11, 77, 20, 0, NO_SKILL},  // 78: item 231
    {1, "\x8C\xC3\x82\xA2\x8B\xD5" /* 古い琴 */, 11, 77, 30, 0, NO_SKILL},  // 79: item 232
    {6, "\x8B\xD5" /* 琴 */, 11, 77, 20, 0, NO_SKILL},  // 80: items 233-238
    {8, "\x8B\xE0\x8E\xA8\x92\xC4" /* 金耳墜 */, 11, 78, 15, 0, NO_SKILL},  // 81: items 239-246
    {8, "\x97\x85\xE3\x59\x8D\x81\x94\x58" /* 羅綺香嚢 */, 11, 79, 10, 0, NO_SKILL},  // 82: items 247-254
}};

void ApplyInitialItemTable(std::span<uint8_t> scenario) {
  int32_t item = 0;
  for (const InitialItem& kind : INITIAL_ITEM_TABLE) {
    for (int32_t k = 0; k < kind.count && item < ITEM_COUNT; ++k, ++item) {
      const int32_t record = ItemRecordOffset(item);
      if (static_cast<size_t>(record + ITEM_RECORD_SIZE) > scenario.size()) continue;
      WriteTextField(scenario, record + ITEM_NAME_FIELD, kind.name, ITEM_NAME_WIDTH);
      scenario[record + ITEM_TYPE_FIELD] = kind.type;
      scenario[record + ITEM_IMAGE_FIELD] = kind.image;
      scenario[record + ITEM_PRICE_FIELD] = kind.price_code;
      scenario[record + ITEM_INCREASE_FIELD] = kind.increase;
      scenario[record + ITEM_SKILL_FIELD] = kind.skill;
    }
  }
}

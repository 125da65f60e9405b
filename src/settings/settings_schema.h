#pragma once

// Every section and key of the settings file, with the type and default of its
// value, declared once: the engine, the dialogs and the command line read and
// write settings only through these entries.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quilsk {

enum class SettingType {
    Flag,     // an integer that counts as set only when it is 1
    Integer,  // the leading decimal number of the value
    Text,     // a cp932 string (some hold numbers, stored as typed)
};

struct SettingKey {
    std::string_view section;
    std::string_view key;
    SettingType type;
    std::string_view fallback;  // the default, as it would be stored

    // The same key in a section chosen at run time (a dictionary category's).
    constexpr SettingKey InSection(std::string_view runtimeSection) const
    {
        return {runtimeSection, key, type, fallback};
    }
    // The same key with a default that depends on other settings or on the caller.
    constexpr SettingKey WithFallback(std::string_view otherFallback) const
    {
        return {section, key, type, otherFallback};
    }
};

// A section whose key names are made at run time: a letter, a slot, a group name.
struct SettingFamily {
    std::string_view section;
    std::string_view fallback;

    constexpr SettingKey operator()(std::string_view runtimeKey) const
    {
        return {section, runtimeKey, SettingType::Text, fallback};
    }
};

// The table: name, section, key, type, default.
#define QUILSK_SETTINGS(X)                                                                  \
    X(kKeyword1, "Keyword", "Keyword1", Text, "")                                           \
    X(kKeyword2, "Keyword", "Keyword2", Text, "")                                           \
    X(kAndSearch, "Keyword", "AndSearch", Flag, "1")                                        \
    X(kNotSearch, "Keyword", "NotSearch", Flag, "0")                                        \
    X(kOrSearch, "Keyword", "OrSearch", Flag, "0")                                          \
    X(kKeyword1IsWord, "Option", "KW1Word", Flag, "1")                                      \
    X(kKeyword2IsWord, "Option", "KW2Word", Flag, "1")                                      \
    X(kKeyword1IsGroup, "Option", "KW1Group", Flag, "0")                                    \
    X(kKeyword2IsGroup, "Option", "KW2Group", Flag, "0")                                    \
    X(kHeadwordOnly, "Option", "Entry", Flag, "0")                                          \
    X(kSkipExamples, "Option", "Example", Flag, "0")                                        \
    X(kSortResults, "Option", "Sort", Flag, "0")                                            \
    X(kKeyword1WholeWord, "Options", "KW1Word", Flag, "0")                                  \
    X(kKeyword1Prefix, "Options", "KW1Forward", Flag, "0")                                  \
    X(kKeyword1Suffix, "Options", "KW1Back", Flag, "0")                                     \
    X(kKeyword2WholeWord, "Options", "KW2Word", Flag, "0")                                  \
    X(kKeyword2Prefix, "Options", "KW2Forward", Flag, "0")                                  \
    X(kKeyword2Suffix, "Options", "KW2Back", Flag, "0")                                     \
    X(kIgnoreCase, "Options", "IgnoreCase", Flag, "0")                                      \
    X(kTagForm, "Options", "TagForm", Flag, "0")                                            \
    X(kHitsPerRefresh, "Options", "Hits", Text, "20")                                       \
    X(kCheckDuplicates, "Options", "CheckData", Flag, "0")                                  \
    X(kSearchMode, "Options", "Mode", Integer, "0")                                         \
    X(kUseIndex, "Options", "Index", Flag, "0")                                             \
    X(kColumn, "Options", "Column", Text, "70")                                             \
    X(kDrawText, "Options", "DrawText", Integer, "0")                                       \
    X(kCallEditor, "Options", "CallEditor", Integer, "0")                                   \
    X(kIndexDir, "Index", "Dir", Text, "")                                                  \
    X(kNarrowIsWord, "ReSea", "Word", Flag, "1")                                            \
    X(kNarrowIsGroup, "ReSea", "Group", Flag, "0")                                          \
    X(kNarrowIgnoreCase, "ReSea", "IgnoreCase", Flag, "0")                                  \
    X(kNarrowWholeWord, "ReSea", "WordSearch", Flag, "0")                                   \
    X(kNarrowPrefix, "ReSea", "Before", Flag, "0")                                          \
    X(kNarrowSuffix, "ReSea", "Back", Flag, "0")                                            \
    X(kNarrowKeyword, "ReSea", "Keyword", Text, "")                                         \
    X(kSavePlacement, "WindowSize", "Save", Flag, "0")                                      \
    X(kPlacementFlags, "WindowSize", "Flags", Integer, "1")                                 \
    X(kPlacementShow, "WindowSize", "showCmd", Integer, "1")                                \
    X(kPlacementMinX, "WindowSize", "MinPosX", Integer, "0")                                \
    X(kPlacementMinY, "WindowSize", "MinPosY", Integer, "0")                                \
    X(kPlacementMaxX, "WindowSize", "MaxPosX", Integer, "-1")                               \
    X(kPlacementMaxY, "WindowSize", "MaxPosY", Integer, "-1")                               \
    X(kPlacementLeft, "WindowSize", "NormPosL", Integer, "0")                               \
    X(kPlacementTop, "WindowSize", "NormPosT", Integer, "0")                                \
    X(kPlacementRight, "WindowSize", "NormPosR", Integer, "500")                            \
    X(kPlacementBottom, "WindowSize", "NormPosB", Integer, "350")                           \
    X(kTextColor, "Color", "TxtColor", Text, "0")                                           \
    X(kBackgroundColor, "Color", "BkColor", Text, "16777215")                               \
    /* The highlight colours default to the background and text colours. */                \
    X(kHighlightTextColor, "Color", "HlTxtColor", Integer, "16777215")                      \
    X(kHighlightBackgroundColor, "Color", "HlBkColor", Integer, "0")                        \
    X(kTextFont, "Font", "TextFont", Text, "-13 0 0 0 400 0 0 0 128 1 2 1 1 0 0 0")         \
    X(kTextFontFace, "Font", "TextFontFace", Text, "FixedSys")                              \
    X(kPrintLines, "PrintOpt", "Line", Text, "30")                                          \
    X(kPrintColumns, "PrintOpt", "Column", Text, "70")                                      \
    X(kPrintPages, "PrintOpt", "Page", Text, "10")                                          \
    X(kPrintTop, "PrintOpt", "Top", Text, "0")                                              \
    X(kPrintLeft, "PrintOpt", "Left", Text, "0")                                            \
    X(kEditorCommand, "Editor", "CmdLine", Text, "")                                        \
    X(kEditorPriority, "Editor", "Priority", Flag, "0")                                     \
    X(kPreviewPages, "Settings", "PreviewPages", Integer, "0")                              \
    /* A dictionary category's section (kCategorySections) holds these two. */              \
    X(kRegistrationDir, "", "Dir", Text, "")                                                \
    X(kRegistrationMask, "", "Filename", Text, "")

namespace setting {

#define QUILSK_DECLARE_SETTING(name, section, key, type, fallback) \
    inline constexpr SettingKey name{section, key, SettingType::type, fallback};
QUILSK_SETTINGS(QUILSK_DECLARE_SETTING)
#undef QUILSK_DECLARE_SETTING

// Per-letter file masks of the quick modes; the key is the letter.
inline constexpr SettingFamily kQuickMasks{"Quick", ""};
// The keyword histories; keys from HistoryKey.
inline constexpr SettingFamily kHistory{"History", ""};
// The recently opened result files; keys from RecentFileKey.
inline constexpr SettingFamily kRecentFiles{"Recent File List", ""};
// The names of the word groups, '|'-separated over keys from WordGroupNamesKey.
inline constexpr SettingFamily kWordGroupNames{"WordGroupNames", ""};
// The words of each word group; the key is the group's name.
inline constexpr SettingFamily kWordGroups{"WordGroup", ""};
// The index's file-number table; the key is the file number.
inline constexpr SettingFamily kFileIds{"FileID", ""};

// The sections of the dictionary categories, in category order (cp932; the
// comments give their text).
inline constexpr const char* kCategorySections[] = {
    "ZELK\x93\x64\x8E\x71\x8E\xAB\x8F\x91",                      // ZELK電子辞書
    "\x95\xE2\x88\xE2",                                          // 補遺
    "\x90\xEA\x96\xE5\x8E\xAB\x8F\x91",                          // 専門辞書
    "\x97\xAA\x8C\xEA\x8E\xAB\x8F\x91",                          // 略語辞書
    "\x8C\xC5\x97\x4C\x96\xBC\x8E\xAB\x8F\x91",                  // 固有名辞書
    "\xCA\xDE\xB2\xD8\xDD\xB6\xDE\xD9\xA5\xBA\xB0\xCA\xDF\xBD",  // ﾊﾞｲﾘﾝｶﾞﾙ･ｺｰﾊﾟｽ
    "\x82\xBB\x82\xCC\x91\xBC",                                  // その他
    "\x97\x5C\x94\xF5\x31",                                      // 予備1
    "\x97\x5C\x94\xF5\x32",                                      // 予備2
    "\x97\x5C\x94\xF5\x33",                                      // 予備3
};

}  // namespace setting

// "Keyword1A" to "Keyword2J": slot `index` (from 0) of history `which` (1 or 2).
std::string HistoryKey(int which, size_t index);
// "File1", "File2", ...: slot `index` (from 0) of the recent-file list.
std::string RecentFileKey(size_t index);
// "Name", "Name1", "Name2", ...: slot `index` (from 0) of the word-group names.
std::string WordGroupNamesKey(size_t index);

// Every fixed entry of the table.
std::span<const SettingKey> KnownSettings();
// The entry of a section and key as the settings file spells them (ASCII case
// ignored), including the families' and the categories' keys; nullopt for a
// key no part of the program reads.
std::optional<SettingKey> FindSetting(std::string_view section, std::string_view key);

}  // namespace quilsk

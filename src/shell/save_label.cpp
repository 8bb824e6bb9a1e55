#include "shell/save_label.h"

#include <cstdio>

#include "base/text.h"

namespace orvane {
namespace {

// "янв" .. "дек", converted once from the source's UTF-8.
const std::string& MonthAbbreviation(int month) {
    static const std::string kMonths[12] = {
        *Utf8ToCp1251("янв"), *Utf8ToCp1251("фев"), *Utf8ToCp1251("мар"), *Utf8ToCp1251("апр"),
        *Utf8ToCp1251("май"), *Utf8ToCp1251("июн"), *Utf8ToCp1251("июл"), *Utf8ToCp1251("авг"),
        *Utf8ToCp1251("сен"), *Utf8ToCp1251("окт"), *Utf8ToCp1251("ноя"), *Utf8ToCp1251("дек"),
    };
    return kMonths[(month >= 1 && month <= 12 ? month : 1) - 1];
}

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

}  // namespace

std::string SaveLabel(const WallTime& time) {
    char year[16];
    std::snprintf(year, sizeof year, "%04d", time.year);
    return TwoDigits(time.day) + " " + MonthAbbreviation(time.month) + " " + year + " " +
           TwoDigits(time.hour) + "-" + TwoDigits(time.minute);
}

std::string SaveFileName(const WallTime& time) {
    return SaveLabel(time) + ".sav";
}

std::string_view LabelOfSaveName(std::string_view fileName) {
    return fileName.substr(0, fileName.find('.'));
}

}  // namespace orvane

#include "ProfileApply.h"

#include "view/SettingsStore.h"
#include "view/myQQuickView.h"

#include <array>

namespace {

// The report-rate list stores an index; the device takes the polling interval.
constexpr std::array<uchar, 4> kReportRateValues = {8, 4, 2, 1};
// Knob positions at which the pointer sliders step up, as the settings screen has them.
constexpr std::array<int, 11> kSliderSteps = {4, 37, 70, 104, 138, 172, 205, 239, 272, 305, 338};

uint sliderStep(int position)
{
    uint step = 0;
    while (step < kSliderSteps.size() - 1 && position >= kSliderSteps[step])
        ++step;
    return step;
}

int at(const QVariantList& list, int i)
{
    return i < list.size() ? list[i].toInt() : 0;
}

void applyMouse(myQQuickView& v)
{
    const SettingsStore& s = v.settings();
    QVariantList matrix;
    for (int k = 0; k < 16; ++k) {
        const QVariantList entry = v.mouseGetKeydefine(k, false);
        for (int b = 0; b < 4; ++b)
            matrix << at(entry, b);
    }
    // Each gun layer's repeat period travels with the key matrix.
    QVariantList periods;
    const QVariantList selected = v.getGlobalData(QStringLiteral("mouse/selectGun")).toList();
    for (int slot = 0; slot < 3; ++slot)
        periods << at(v.getGunData(selected.value(slot, slot)), 2);
    v.mouseSetKeyMatrix(matrix, true, periods);

    const int rate = v.getData(QStringLiteral("mouse/reportRate"), false).toInt();
    if (rate >= 0 && rate < int(kReportRateValues.size()))
        v.mouseSetReportRate(kReportRateValues[size_t(rate)]);

    v.mouseSetDpi(v.getData(QStringLiteral("mouse/currentDpiCount"), false).toInt(),
                  v.getGlobalData(QStringLiteral("mouse/sensorType")).toString(),
                  v.getDataList(QStringLiteral("mouse/dpiValueArray"), false));

    const QVariantList light = v.getDataList(QStringLiteral("mouse/lightValue"), false);
    v.mouseSetRGBEffect(uchar(at(light, 0)), uchar(at(light, 1)), uchar(at(light, 2)));
    QVariantList colours = v.getDataList(QStringLiteral("mouse/colorValue"), false);
    if (s.is55328() && at(light, 0) != 4) {
        while (colours.size() < 24)
            colours << 0;
        for (int i = 21; i < 24; ++i)
            colours[i] = 0;
    }
    v.mouseSetRGBColor(s.isColorful() ? 0 : 1, colours);

    v.mouseSetCursorSpeed(sliderStep(v.getData(QStringLiteral("mouse/mouseRate"), false).toInt()));
    v.mouseSetDoubleClickSpeed(sliderStep(v.getData(QStringLiteral("mouse/doubleRate"), false).toInt()));
    v.mouseSetVerticalScrollLines(v.getData(QStringLiteral("mouse/scrollRate"), false).toUInt());

    if (s.isGun()) {
        v.mouseSwitchKeyMatrix(1);
        v.mouseResetKeyMatrix();
    }
}

void applyKeyboard(myQQuickView& v)
{
    v.keyboardSetKeyMatrix(false);
    // The screens open on the first lighting picture.
    v.keyboardLEDPicture(0, false);
    const QVariantList light = v.getDataList(QStringLiteral("keyboard/lightValue"), false);
    v.keyboardSetRGBEffect(uchar(at(light, 0)), uchar(at(light, 1)), uchar(at(light, 2)), uchar(at(light, 3)));
    v.keyboardSetRGBColor(1, v.getDataList(QStringLiteral("keyboard/colorValue"), false));
}

} // namespace

void applyCurrentProfile(myQQuickView& view, const QString& layout)
{
    if (layout == QLatin1String("mouse"))
        applyMouse(view);
    else
        applyKeyboard(view);
}

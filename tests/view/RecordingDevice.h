#pragma once

#include "protocol/DeviceCommands.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstring>

// Stands in for the protocol object: records every command with its values and
// the payload bytes it was handed, and answers reads from prepared bytes.
class RecordingDevice : public DeviceCommands
{
public:
    struct Call {
        QString name;
        QList<int> args;
        QByteArray payload;
    };
    QList<Call> calls;

    // Answers of the getters and readers; `answer` false: the device does not answer.
    uchar options[4] = {0, 0, 0, 0};
    uchar currentProfile = 0;
    uchar currentDpi = 0;
    bool answer = true;
    QByteArray profileMemory[5];
    QByteArray keyboardProfile;

    // "name arg arg; name arg": every call so far.
    QString log() const
    {
        QStringList out;
        for (const Call& c : calls) {
            QString line = c.name;
            for (int a : c.args)
                line += QLatin1Char(' ') + QString::number(a);
            out << line;
        }
        return out.join(QStringLiteral("; "));
    }

    void hid553_83H_GetKeyboardoption(uchar& b1, uchar& b2, uchar& b3, uchar& b4) override
    {
        record("83", {});
        if (answer)
            b1 = options[0], b2 = options[1], b3 = options[2], b4 = options[3];
    }
    void hid560_82H_GetCurrentProfile(uchar& b1) override { record("560_82", {}); if (answer) b1 = currentProfile; }
    void hid560_84H_GetCurrentDPI(uchar& b1, uchar& b2) override { record("560_84", {b1}); if (answer) b2 = currentDpi; }
    void hid553_8BH_GetCurrentDPI(uchar& b1) override { record("553_8B", {}); if (answer) b1 = currentDpi; }
    void hid553_03H_SetKeyboardoption(uchar a, uchar b, uchar c, uchar d) override { record("553_03", {a, b, c, d}); }
    void hid553_04H_SetGunData(uchar a, uchar b, uchar c, uchar d) override { record("553_04", {a, b, c, d}); }
    void hid553_01H_SetReportRate(uchar r) override { record("553_01", {r}); }
    void hid560_03H_SetReportRate(uchar r) override { record("560_03", {r}); }
    void hid560_04H_SetCurrentDPI(uchar s) override { record("560_04", {s}); }
    void hid553_0BH_SetCurrentDPI(uchar s) override { record("553_0B", {s}); }
    void keyboard_0DH_SetKeyMatrix(uchar* src) override { record("kb_0D", {}, src, 512); }
    void keyboard_12H_SetPicture(uchar* src, uchar index) override { record("kb_12", {index}, src, 512); }
    void hid553_12H_SetKeyMatrix(uchar* src, uchar layer) override { record("553_12", {layer}, src, 64); }
    void hid560_0DH_SetKeyMatrix(uchar* src, uchar layer) override { record("560_0D", {layer}, src, 128); }
    void hid560_0CH_setProfile(uchar* src, uchar n) override { record("560_0C", {n}, src, 128); }
    void hid560_8CH_readProfile(uchar* src, uchar n) override
    {
        record("560_8C", {n});
        if (answer && n < 5 && profileMemory[n].size() == 128)
            std::memcpy(src, profileMemory[n].constData(), 128);
    }
    void keyboardReadProfile(uchar* src) override
    {
        record("kb_8D", {});
        if (answer && keyboardProfile.size() == 512)
            std::memcpy(src, keyboardProfile.constData(), 512);
    }
    void hid560_02H_SetCurrentProfile(uchar p) override { record("560_02", {p}); }
    void keyboard_11H_SetMacroKey(uchar id, uchar* src) override { record("kb_11", {id}, src, 192); }
    void hid553_13H_SetMacroKey(uchar id, uchar* src) override { record("553_13", {id}, src, 128); }
    void hid560_0FH_SetMacroKey(uchar id, uchar* src) override { record("560_0F", {id}, src, 128); }
    void hid553_11H_SetDPISet(uchar stages, uchar* src) override { record("553_11", {stages}, src, 8); }
    void hid553_02H_SetCurrentKeyMatrix(uchar m) override { record("553_02", {m}); }
    void hid553_0DH_SetRGBLedEffect(uchar a, uchar b, uchar c) override { record("553_0D", {a, b, c}); }
    void hidARM_08H_SetRGBLedEffect(uchar a, uchar b, uchar c, uchar d) override { record("arm_08", {a, b, c, d}); }
    void hid553_0CH_SetFixLEDColor(uchar* src) override { record("553_0C", {src[0], src[1], src[2]}); }
    void keyboard_14H_SetLED8StageColor(uchar i, uchar r, uchar g, uchar b) override { record("kb_14", {i, r, g, b}); }
    void hid553_10H_SetLED8StageColor(uchar type, uchar* src) override { record("553_10", {type}, src, 24); }

private:
    void record(const char* name, QList<int> args, const uchar* payload = nullptr, int size = 0)
    {
        calls.append({QString::fromLatin1(name), args,
                      payload ? QByteArray(reinterpret_cast<const char*>(payload), size) : QByteArray()});
    }
};

#include "view/SettingsView.h"

#include "view/GunData.h"
#include "view/Macros.h"
#include "view/NameLists.h"
#include "view/Profiles.h"
#include "view/SettingsStore.h"

SettingsView::SettingsView(FileDialogs& dialogs, QObject* parent)
    : QObject(parent)
    , m_settings(new SettingsStore(this))
    , m_profiles(std::make_unique<Profiles>(*m_settings, m_blocks, m_noDevice, dialogs))
    , m_macros(std::make_unique<Macros>(*m_settings, m_noDevice, dialogs))
    , m_guns(std::make_unique<GunData>(*m_settings, m_blocks, m_noDevice))
{
}

SettingsView::~SettingsView() = default;

QStringList SettingsView::slotsAskingForFiles()
{
    return {QStringLiteral("loadMacroFile"), QStringLiteral("saveMacroFile"), QStringLiteral("loadProfile"),
            QStringLiteral("saveProfile")};
}

void SettingsView::resetApconfig()
{
    m_settings->resetApconfig();
}

bool SettingsView::loadMacroFile(QVariant macroFileName)
{
    return m_macros->importFrom(macroFileName.toString());
}

void SettingsView::saveMacroFile(QVariant macroFileName)
{
    m_macros->exportTo(macroFileName.toString());
}

bool SettingsView::loadProfile(int profile)
{
    return m_profiles->loadProfile(profile);
}

void SettingsView::saveProfile(int profile)
{
    m_profiles->saveProfile(profile);
}

void SettingsView::resetProfile(int profile)
{
    m_profiles->resetProfile(profile);
}

void SettingsView::copyProfile(int destprofile, int srcprofile)
{
    m_profiles->copyProfile(destprofile, srcprofile);
}

QStringList SettingsView::getLangStrings(QString typeStr, QString langCode)
{
    return NameLists::langStrings(typeStr, langCode);
}

QVariant SettingsView::createMacroIni(QVariant name, QVariant macroIndex)
{
    return m_macros->create(name.toString(), macroIndex.toUInt());
}

QVariant SettingsView::updataNameList(QVariant type, QStringList nameList)
{
    return NameLists::update(type, nameList);
}

QVariant SettingsView::modifyMacroNameUpdateProfile(QVariant oldname, QVariant newname)
{
    return m_macros->rename(oldname.toString(), newname.toString());
}

void SettingsView::deleteMacroUpdateProfile(QVariant macroName)
{
    m_macros->resetButtonsRunning(macroName.toString());
}

QVariant SettingsView::deleteMacroIni(QVariant name)
{
    return m_macros->remove(name.toString());
}

QVariantList SettingsView::getNameList(QVariant type)
{
    return NameLists::get(type);
}

QVariant SettingsView::saveMacroIni(QVariant name, QStringList macros, QVariant repeat)
{
    return m_macros->save(name.toString(), macros, repeat);
}

QStringList SettingsView::loadMacroIni(QVariant name)
{
    return m_macros->load(name.toString());
}

void SettingsView::mouseSaveGundata(QVariant index, QVariantList src6)
{
    m_guns->saveRecord(index.toString(), src6);
}

void SettingsView::modifyGundata(QVariant modifyType, QVariantList src6)
{
    bool ok = false;
    const int type = modifyType.toInt(&ok);
    if (ok)
        m_guns->modify(type, src6);
}

QVariantList SettingsView::getGunData(QVariant name)
{
    return m_guns->record(name.toString());
}

QStringList SettingsView::getGunDataKey()
{
    return m_guns->recordKeys();
}

QVariant SettingsView::getXYSensitive(QVariant index)
{
    return m_guns->xySensitive(index.toString());
}

QVariant SettingsView::getselectGun(QVariant index)
{
    return m_guns->selectGun(index.toString());
}

void SettingsView::setXYSensitive(QVariant index, QVariant xyData)
{
    m_guns->setXYSensitive(index.toString(), xyData);
}

void SettingsView::setSelectGun(QVariant index, QVariant xyData)
{
    m_guns->setSelectGun(index.toString(), xyData);
}

void SettingsView::setCurrentProfile(int profile)
{
    m_settings->setCurrentProfile(profile);
}

void SettingsView::openUpdateExe()
{
}

QVariant SettingsView::getData(QVariant key, bool isRecovery)
{
    return m_settings->getData(key.toString(), isRecovery);
}

QVariant SettingsView::getGlobalData(QVariant key)
{
    return m_settings->getGlobalData(key.toString());
}

QVariantList SettingsView::getDataList(QVariant key, bool isRecovery)
{
    return m_settings->getDataList(key.toString(), isRecovery);
}

void SettingsView::setData(QVariant key, QVariant data)
{
    m_settings->setData(key.toString(), data);
}

void SettingsView::setGlobalData(QVariant key, QVariant tmpdata)
{
    m_settings->setGlobalData(key.toString(), tmpdata);
}

void SettingsView::setDataList(QVariant key, QVariantList datalist)
{
    m_settings->setDataList(key.toString(), datalist);
}

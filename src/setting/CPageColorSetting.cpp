#include "CPageColorSetting.h"

#include "CSettingManager.h"
#include "MKApplication.h"
#include "SettingKeys.h"

CPageColorSetting::CPageColorSetting()
{
    if (MKApplication* app = MKApplication::getInstance())
        connect(app, &MKApplication::SignalSkinChanged, this, &CPageColorSetting::Apply);
    Reload();
}

CPageColorSetting* CPageColorSetting::getInstance()
{
    static CPageColorSetting* instance = new CPageColorSetting;
    return instance;
}

void CPageColorSetting::Reload()
{
    CSettingManager* settings = CSettingManager::getInstance();
    chosen = CPageColors::FromName(settings->GetRecord(SettingKey::kPageColors).toString(), CPageColors::Normal);
    followDarkSkin = settings->GetRecord(SettingKey::kPageColorsDarkSkin).toBool();
    Apply();
}

void CPageColorSetting::SetChosen(CPageColors::Mode mode)
{
    chosen = mode;
    CSettingManager::getInstance()->SetRecord(SettingKey::kPageColors, CPageColors::Name(mode));
    Apply();
}

void CPageColorSetting::SetFollowsDarkSkin(bool bFollow)
{
    followDarkSkin = bFollow;
    CSettingManager::getInstance()->SetRecord(SettingKey::kPageColorsDarkSkin, bFollow);
    Apply();
}

CPageColors::Mode CPageColorSetting::Effective() const
{
    MKApplication* app = MKApplication::getInstance();
    if (followDarkSkin && chosen == CPageColors::Normal && app && app->EffectiveSkin() == MKApplication::kSkinDark)
        return CPageColors::Dark;
    return chosen;
}

void CPageColorSetting::Apply()
{
    CPageColors::SetCurrent(Effective());
}

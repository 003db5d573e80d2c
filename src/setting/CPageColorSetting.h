#pragma once

#include "CPageColors.h"

#include <QObject>

// The page colours the user chose for the whole application, remembered in
// the records: a mode, and whether the Dark skin brings dark pages with it.
// Applies the resulting mode to the document engine, also when the skin
// changes.
class CPageColorSetting : public QObject
{
    Q_OBJECT
public:
    static CPageColorSetting* getInstance();

    CPageColors::Mode Chosen() const { return chosen; }
    void SetChosen(CPageColors::Mode mode);
    bool FollowsDarkSkin() const { return followDarkSkin; }
    void SetFollowsDarkSkin(bool bFollow);
    // The mode pages show in now.
    CPageColors::Mode Effective() const;
    // Reads the records again and applies them.
    void Reload();

private:
    CPageColorSetting();
    void Apply();

    CPageColors::Mode chosen = CPageColors::Normal;
    bool followDarkSkin = false;
};

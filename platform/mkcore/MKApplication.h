#pragma once

#include <QApplication>
#include <QColor>
#include <QJsonArray>
#include <QJsonObject>
#include <QPalette>
#include <QStringList>
#include <QVariantMap>

class QTranslator;

#ifdef RVPDF_DISTRIBUTION
constexpr bool kDistributionBuild = true;
#else
constexpr bool kDistributionBuild = false;
#endif

// The application object: brand configuration, language
// and skin. Created once in main; every other part reads the brand through
// GetAppValue.
class MKApplication : public QApplication
{
    Q_OBJECT
public:
    // Skin names, in the order of their indexes 0, 1, 2.
    static const QString kSkinAuto;
    static const QString kSkinLight;
    static const QString kSkinDark;
    static QStringList SkinNames();

    MKApplication(int& argc, char** argv);
    ~MKApplication() override;
    static MKApplication* getInstance();
    // Built for a distribution's package (-DRVPDF_DISTRIBUTION=ON): sign-in
    // and update checks are the package manager's business.
    static constexpr bool IsDistributionBuild() { return kDistributionBuild; }
    // A document window is on screen.
    static bool HasOpenMainWindow();

    // Selects the brand directory :/res/conf/<bundle>_<region>.
    void InitProduct(const QString& bundle, const QString& region);
    QString GetAppValue(const QString& key) const;
    // Reverse-DNS desktop file id ("org.rvpdf.RVPDF"), also GetAppValue("AppId").
    QString AppId() const;
    QString GetProductID() const;
    QString GetProductType() const;
    bool IsHaldenProduct() const;
    QString Bundle() const { return bundle; }
    QString Region() const { return region; }

    static QString AppDirPath();
    static QString ConfProductDirPath();
    static QString SkinResouresPath();
    // The framework's own small INI file (language, skin, question marks).
    static QString FrameworkSettingsPath();

    QJsonArray Languages() const { return languages; }
    // Shown name -> language name, as the settings dialog lists them.
    QVariantMap LanguageMap() const;
    QString CurrentLanguage() const { return language; }
    bool SetCurrentLanguage(const QString& name);

    QString CurrentSkin() const { return skin; }
    void SetCurrentSkin(const QString& name);
    // Re-applies the skin after the system's colour preference changed.
    void OnThemeChanged();
    // What "Auto" resolves to; set by whoever watches the desktop's setting.
    void SetSystemDarkMode(bool bDark);
    bool IsSystemDarkMode() const { return systemDark; }
    // The skin actually in use: "Light" or "Dark".
    QString EffectiveSkin() const;
    // Style sheet text of a skin with its colour variables resolved.
    static QString LoadSkinStyleSheet(const QString& skinDir);
    // A skin's colours by name (colors.json); the sheet and the palette use them.
    static QJsonObject SkinColors(const QString& skinDir);
    // The application palette of a skin, built from its colours.
    static QPalette SkinPalette(const QJsonObject& colors);
    // "#rrggbb" (and Qt's other # forms), "rgb(r,g,b)" or "rgba(r,g,b,a)";
    // invalid for anything else.
    static QColor ParseSkinColor(const QString& text);

signals:
    void SignalOpenFileEvent(const QString& strFile);
    void SignalAppQuitEvent();
    void SignalAppActivateEvent();
    void SignalSkinChanged();
    void SignalLanguageChanged();

protected:
    bool event(QEvent* event) override;

private:
    QString ComputePcid() const;
    QString DefaultLanguage() const;
    void LoadTranslators();
    void ApplySkin();
    QString LanguageRecord(const QString& name, const QString& field) const;

    QString bundle;
    QString region;
    QString confDir;
    QJsonObject product;
    QJsonObject platformInfo;
    QJsonArray languages;
    QString language;
    QString skin;
    bool systemDark = false;
    // The quit now posted comes from the last window closing, not from a
    // request to close them all.
    bool lastWindowClosed = false;
    QString appliedSkinDir;
    mutable QString pcid;
    QList<QTranslator*> translators;
};

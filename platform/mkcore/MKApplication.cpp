#include "MKApplication.h"

#include "CAppPaths.h"
#include "CFileUtils.h"
#include "CFocusRing.h"
#include "CJsonReader.h"
#include "CSystemUtils.h"
#include "MKMainWindow.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileOpenEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QRegularExpression>
#include <QSettings>
#include <QStyle>
#include <QTranslator>
#include <QUuid>
#include <QWidget>

#include <algorithm>

const QString MKApplication::kSkinAuto = QStringLiteral("Auto");
const QString MKApplication::kSkinLight = QStringLiteral("Light");
const QString MKApplication::kSkinDark = QStringLiteral("Dark");

namespace {

const char* const kDefaultBundle = "rv";
const char* const kDefaultRegion = "overseas";

#if defined(Q_OS_WIN)
const char* const kPlatformKey = "windows";
#elif defined(Q_OS_MACOS)
const char* const kPlatformKey = "mac";
#else
const char* const kPlatformKey = "linux";
#endif

// Palette roles and the skin colour each takes; the style sheet draws with
// the same colours, so widgets the sheet leaves alone match the rest.
struct PaletteColor
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    const char* name;
};
const PaletteColor kPaletteColors[] = {
    {QPalette::All, QPalette::Window, "window_color"},
    {QPalette::All, QPalette::WindowText, "label_normal_color"},
    {QPalette::All, QPalette::Base, "panel_color"},
    {QPalette::All, QPalette::AlternateBase, "alternate_base_color"},
    {QPalette::All, QPalette::Text, "label_normal_color"},
    {QPalette::All, QPalette::Button, "button_normal_color"},
    {QPalette::All, QPalette::ButtonText, "label_normal_color"},
    {QPalette::All, QPalette::Highlight, "accent_color"},
    {QPalette::All, QPalette::HighlightedText, "highlight_text_color"},
    {QPalette::All, QPalette::ToolTipBase, "tooltip_color"},
    {QPalette::All, QPalette::ToolTipText, "tooltip_text_color"},
    {QPalette::All, QPalette::PlaceholderText, "placeholder_color"},
    {QPalette::Disabled, QPalette::Text, "disabled_text_color"},
    {QPalette::Disabled, QPalette::WindowText, "disabled_text_color"},
    {QPalette::Disabled, QPalette::ButtonText, "disabled_text_color"},
};

} // namespace

QStringList MKApplication::SkinNames()
{
    return {kSkinAuto, kSkinLight, kSkinDark};
}

MKApplication::MKApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , skin(kSkinAuto)
{
    connect(this, &QGuiApplication::lastWindowClosed, this, [this]() { lastWindowClosed = true; });
    // Whatever a style sheet does to a control, the focus stays visible.
    CFocusRing::Install();
    platformInfo = MKBase::CJsonReader::ParseJsonFileToObject(":/res/info/platform.json")
                       .value(QLatin1String(kPlatformKey))
                       .toObject();
}

MKApplication::~MKApplication() = default;

bool MKApplication::HasOpenMainWindow()
{
    const QWidgetList widgets = topLevelWidgets();
    return std::any_of(widgets.cbegin(), widgets.cend(), [](const QWidget* widget) {
        return widget->isVisible() && qobject_cast<const MKMainWindow*>(widget);
    });
}

MKApplication* MKApplication::getInstance()
{
    return qobject_cast<MKApplication*>(QCoreApplication::instance());
}

void MKApplication::InitProduct(const QString& bundle_, const QString& region_)
{
    bundle = bundle_.isEmpty() ? QString::fromLatin1(kDefaultBundle) : bundle_;
    region = region_.isEmpty() ? QString::fromLatin1(kDefaultRegion) : region_;
    confDir = QStringLiteral(":/res/conf/%1_%2").arg(bundle, region);
    product = MKBase::CJsonReader::ParseJsonFileToObject(confDir + "/product.json");
    languages = MKBase::CJsonReader::ParseJsonFileToArray(confDir + "/language.json");

    // The per-user folders are named after the brand, so two brands on one
    // machine never share settings.
    QString identity = product.value("BundleId").toString();
    if (identity.isEmpty())
        identity = QStringLiteral("MarvikPDF");
    setOrganizationName(QString());
    setApplicationName(identity.toLower());
    setApplicationDisplayName(GetAppValue("Title"));
    // The desktop file id: Wayland compositors match windows to their entry
    // (and icon) by it, and the registered entry carries the same name.
    setDesktopFileName(AppId());

    QSettings settings(FrameworkSettingsPath(), QSettings::IniFormat);
    language = settings.value("Language").toString();
    if (LanguageRecord(language, "Name").isEmpty())
        language = DefaultLanguage();
    skin = settings.value("Skin", kSkinAuto).toString();
    if (!SkinNames().contains(skin))
        skin = kSkinAuto;

    LoadTranslators();
    ApplySkin();
}

QString MKApplication::AppId() const
{
    const QString id = product.value("AppId").toString();
    if (!id.isEmpty())
        return id;
    // A brand without one gets a reverse-DNS id made from its bundle.
    QString identity = product.value("BundleId").toString();
    if (identity.isEmpty())
        identity = QStringLiteral("MarvikPDF");
    return "org." + identity.toLower() + "." + identity;
}

QString MKApplication::GetAppValue(const QString& key) const
{
    if (key == QLatin1String("AppVersion"))
        return applicationVersion();
    if (key == QLatin1String("PCID")) {
        if (pcid.isEmpty())
            pcid = ComputePcid();
        return pcid;
    }
    if (key == QLatin1String("qd"))
        return platformInfo.value("Channel").toString();
    if (key == QLatin1String("ProductDomain"))
        return region;
    if (key == QLatin1String("AppId"))
        return AppId();
    if (key == QLatin1String("VersionPrefix") || key == QLatin1String("VersionTag") || key == QLatin1String("GaTable"))
        return platformInfo.value(key).toString();
    return product.value(key).toString();
}

QString MKApplication::GetProductID() const
{
    return product.value(platformInfo.value("ProductIdKey").toString("PIDLinux")).toString();
}

QString MKApplication::GetProductType() const
{
    return product.value("ProductType").toString();
}

bool MKApplication::IsHaldenProduct() const
{
    return bundle == QLatin1String("hd");
}

QString MKApplication::AppDirPath()
{
    return QCoreApplication::applicationDirPath();
}

QString MKApplication::ConfProductDirPath()
{
    MKApplication* app = getInstance();
    if (app && !app->confDir.isEmpty())
        return app->confDir;
    return QStringLiteral(":/res/conf/%1_%2").arg(kDefaultBundle, kDefaultRegion);
}

QString MKApplication::SkinResouresPath()
{
    MKApplication* app = getInstance();
    const bool dark = app && app->EffectiveSkin() == kSkinDark;
    return dark ? QStringLiteral(":/res/skin/dark/resoures") : QStringLiteral(":/res/skin/light/resoures");
}

QString MKApplication::FrameworkSettingsPath()
{
    return MKBase::CAppPaths::ConfigFile("framework.ini");
}

QString MKApplication::ComputePcid() const
{
    // Derived from the machine id, never the id itself, so the value is
    // stable per machine but says nothing about it.
    const QString machine = MKBase::CSystemUtils::MachineId();
    if (!machine.isEmpty()) {
        const QByteArray digest
            = QCryptographicHash::hash("rvpdf-pcid:" + machine.toLatin1(), QCryptographicHash::Sha256);
        return QString::fromLatin1(digest.toHex().left(32)).toUpper();
    }
    const QString path = MKBase::CAppPaths::UsageStateDir() + "/pcid.data";
    QString stored = MKBase::CFileUtils::ReadFileData(path).trimmed();
    static const QRegularExpression valid("^[0-9A-F]{32}$");
    if (!valid.match(stored).hasMatch()) {
        stored = QUuid::createUuid().toString(QUuid::Id128).toUpper();
        MKBase::CFileUtils::WriteFileData(path, stored);
    }
    return stored;
}

QVariantMap MKApplication::LanguageMap() const
{
    QVariantMap map;
    for (const QJsonValue& value : languages) {
        const QJsonObject object = value.toObject();
        const QString name = object.value("Name").toString();
        if (!name.isEmpty())
            map.insert(object.value("ShowName").toString(name), name);
    }
    return map;
}

QString MKApplication::LanguageRecord(const QString& name, const QString& field) const
{
    if (name.isEmpty())
        return QString();
    for (const QJsonValue& value : languages) {
        const QJsonObject object = value.toObject();
        if (object.value("Name").toString() == name)
            return object.value(field).toString();
    }
    return QString();
}

QString MKApplication::DefaultLanguage() const
{
    const QLocale system = QLocale::system();
    const QString full = system.name();
    const QString code = full.section('_', 0, 0);
    QString byCode;
    for (const QJsonValue& value : languages) {
        const QJsonObject object = value.toObject();
        if (object.value("LocaleName").toString() == full)
            return object.value("Name").toString();
        if (byCode.isEmpty() && object.value("LocaleLanguage").toString() == code)
            byCode = object.value("Name").toString();
    }
    return byCode.isEmpty() ? QStringLiteral("English") : byCode;
}

bool MKApplication::SetCurrentLanguage(const QString& name)
{
    if (LanguageRecord(name, "Name").isEmpty())
        return false;
    QSettings settings(FrameworkSettingsPath(), QSettings::IniFormat);
    settings.setValue("Language", name);
    if (name == language)
        return true;
    language = name;
    LoadTranslators();
    emit SignalLanguageChanged();
    return true;
}

void MKApplication::LoadTranslators()
{
    for (QTranslator* translator : translators) {
        removeTranslator(translator);
        delete translator;
    }
    translators.clear();

    const QString locale = LanguageRecord(language, "LocaleName");
    if (locale.isEmpty())
        return;
    const QJsonValue modules = MKBase::CJsonReader::ParseJsonFile(":/res/conf/common/qm/qm.json", "qm");
    QStringList files;
    for (const QString& module : modules.toString().split(',', Qt::SkipEmptyParts))
        files << QStringLiteral(":/res/conf/common/qm/%1_%2.qm").arg(module.trimmed(), locale);
    files << QLibraryInfo::location(QLibraryInfo::TranslationsPath) + "/qtbase_" + locale + ".qm";
    for (const QString& file : files) {
        auto* translator = new QTranslator(this);
        if (translator->load(file)) {
            installTranslator(translator);
            translators.append(translator);
        } else {
            delete translator;
        }
    }
}

void MKApplication::SetCurrentSkin(const QString& name)
{
    if (!SkinNames().contains(name))
        return;
    QSettings settings(FrameworkSettingsPath(), QSettings::IniFormat);
    settings.setValue("Skin", name);
    skin = name;
    ApplySkin();
}

void MKApplication::OnThemeChanged()
{
    if (skin == kSkinAuto)
        ApplySkin();
}

void MKApplication::SetSystemDarkMode(bool bDark)
{
    systemDark = bDark;
}

QString MKApplication::EffectiveSkin() const
{
    if (skin == kSkinAuto)
        return systemDark ? kSkinDark : kSkinLight;
    return skin;
}

QColor MKApplication::ParseSkinColor(const QString& text)
{
    // Style-sheet notation: rgb(r,g,b) and rgba(r,g,b,a), all 0-255.
    static const QRegularExpression rgb(
        "^\\s*rgba?\\(\\s*(\\d{1,3})\\s*,\\s*(\\d{1,3})\\s*,\\s*(\\d{1,3})\\s*(?:,\\s*(\\d{1,3})\\s*)?\\)\\s*$");
    const QRegularExpressionMatch match = rgb.match(text);
    if (!match.hasMatch())
        return text.trimmed().startsWith('#') ? QColor(text.trimmed()) : QColor();
    const bool alpha = text.trimmed().startsWith(QLatin1String("rgba"));
    if (alpha == match.captured(4).isEmpty())
        return QColor();
    int parts[4] = {0, 0, 0, 255};
    for (int i = 0; i < (alpha ? 4 : 3); ++i) {
        parts[i] = match.captured(i + 1).toInt();
        if (parts[i] > 255)
            return QColor();
    }
    return QColor(parts[0], parts[1], parts[2], parts[3]);
}

QPalette MKApplication::SkinPalette(const QJsonObject& colors)
{
    // A colour the skin lacks or spells wrongly keeps Qt's own.
    QPalette palette;
    for (const PaletteColor& entry : kPaletteColors) {
        const QColor color = ParseSkinColor(colors.value(QLatin1String(entry.name)).toString());
        if (color.isValid())
            palette.setColor(entry.group, entry.role, color);
    }
    return palette;
}

QJsonObject MKApplication::SkinColors(const QString& skinDir)
{
    return MKBase::CJsonReader::ParseJsonFileToObject(skinDir + "/style/colors.json");
}

QString MKApplication::LoadSkinStyleSheet(const QString& skinDir)
{
    QString sheet = MKBase::CFileUtils::ReadFileData(skinDir + "/style/style.qss");
    QJsonObject vars = SkinColors(skinDir);
    vars.insert("skin_path", skinDir);
    // Variables are written "@name"; unknown names stay as they are.
    static const QRegularExpression token("@([A-Za-z_][A-Za-z0-9_]*)");
    QString result;
    result.reserve(sheet.size());
    int last = 0;
    auto it = token.globalMatch(sheet);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        if (!vars.contains(name))
            continue;
        result += sheet.midRef(last, match.capturedStart() - last);
        result += vars.value(name).toString();
        last = match.capturedEnd();
    }
    result += sheet.midRef(last);
    return result;
}

void MKApplication::ApplySkin()
{
    const QString skinDir = SkinResouresPath();
    if (skinDir == appliedSkinDir)
        return;
    appliedSkinDir = skinDir;
    setPalette(SkinPalette(SkinColors(skinDir)));
    setStyleSheet(LoadSkinStyleSheet(skinDir));
    for (QWidget* widget : topLevelWidgets()) {
        if (auto* window = qobject_cast<MKMainWindow*>(widget))
            window->UpdateSkin();
    }
    emit SignalSkinChanged();
}

bool MKApplication::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FileOpen: {
        const auto* open = static_cast<QFileOpenEvent*>(event);
        const QString file = open->file().isEmpty() ? open->url().toLocalFile() : open->file();
        if (!file.isEmpty())
            emit SignalOpenFileEvent(file);
        return true;
    }
    case QEvent::Quit: {
        // With no window left this is the end of the process. A request to
        // quit while windows are open closes them one after the other, each
        // asking its documents; a window that came back since the last one
        // closed (a file handed over meanwhile) keeps the process alive.
        const bool fromLastWindow = lastWindowClosed;
        lastWindowClosed = false;
        if (!HasOpenMainWindow())
            return QApplication::event(event);
        if (!fromLastWindow)
            emit SignalAppQuitEvent();
        event->ignore();
        return true;
    }
    default:
        break;
    }
    return QApplication::event(event);
}

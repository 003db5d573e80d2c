#include "CThemeWatcher.h"

#include "CJobRunner.h"
#include "CSystemUtils.h"
#include "MKApplication.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFutureWatcher>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

const char* const kPortalService = "org.freedesktop.portal.Desktop";
const char* const kPortalPath = "/org/freedesktop/portal/desktop";
const char* const kSettingsInterface = "org.freedesktop.portal.Settings";
const char* const kAppearance = "org.freedesktop.appearance";
const char* const kColorScheme = "color-scheme";
// A portal started on demand takes a moment; after this the palette decides.
const int kReadTimeoutMs = 3000;

bool themeChangePending = false;
int reapplyCount = 0;

// The portal's value, -1 when it is not a number. Numbers the portal may
// add later mean "no preference", as its documentation asks.
int ParseColorScheme(QVariant value)
{
    // The older Read wraps the value in one more variant.
    for (int depth = 0; depth < 4 && value.userType() == qMetaTypeId<QDBusVariant>(); ++depth)
        value = value.value<QDBusVariant>().variant();
    switch (value.userType()) {
    case QMetaType::UInt:
    case QMetaType::Int:
    case QMetaType::UShort:
    case QMetaType::Short:
    case QMetaType::UChar:
    case QMetaType::ULongLong:
    case QMetaType::LongLong:
        break;
    default:
        return -1;
    }
    const qlonglong scheme = value.toLongLong();
    if (scheme == CThemeWatcher::PreferDark || scheme == CThemeWatcher::PreferLight)
        return int(scheme);
    return CThemeWatcher::NoPreference;
}

// Errors that mean there is nobody to ask, as opposed to a portal that
// merely lacks the newer method.
bool IsNoPortal(const QDBusError& error)
{
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::Disconnected:
    case QDBusError::NoServer:
        return true;
    default:
        return error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
    }
}

void SetSystemDark(bool bDark)
{
    if (MKApplication* app = MKApplication::getInstance())
        app->SetSystemDarkMode(bDark);
}

} // namespace

bool IsImmersiveColorSetMessage(quintptr wParam, qintptr lParam)
{
    if (wParam != 0 || lParam == 0)
        return false;
    // 16-bit units as Windows writes them; wchar_t is wider elsewhere.
    static const char16_t kName[] = u"ImmersiveColorSet";
    const auto* text = reinterpret_cast<const char16_t*>(lParam);
    // The terminator is compared too; the first difference stops the walk,
    // so a shorter string is never read past its end.
    for (char16_t expected : kName) {
        if (*text++ != expected)
            return false;
    }
    return true;
}

CThemeWatcher::CThemeWatcher(BusOpener opener_, QObject* parent)
    : QObject(parent)
    , opener(std::move(opener_))
{
}

CThemeWatcher::~CThemeWatcher() = default;

void CThemeWatcher::Start()
{
    if (started)
        return;
    started = true;
    paletteDark = MKBase::CSystemUtils::IsSystemPaletteDark();
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);

    // Without a session bus the library would start one of its own (a
    // daemon that outlives us) just to ask for the colour scheme: the
    // palette answers instead.
    if (!opener && !MKBase::CSystemUtils::HasSessionBus()) {
        UsePalette();
        return;
    }
    // Connecting may wait on the bus: off this thread. Only the name comes
    // back; the connection itself is shared process-wide.
    BusOpener open = opener ? opener : BusOpener([]() { return QDBusConnection::sessionBus(); });
    auto* opening = new QFutureWatcher<QString>(this);
    connect(opening, &QFutureWatcherBase::finished, this, [this, opening]() {
        opening->deleteLater();
        OnBusOpened(opening->result());
    });
    opening->setFuture(
        CJobRunner::Run(CJobRunner::FilePool, CJobRunner::VisiblePriority, [open]() { return open().name(); }));
}

void CThemeWatcher::OnBusOpened(const QString& name)
{
    busName = name;
    QDBusConnection bus(name);
    if (!bus.isConnected()) {
        UsePalette();
        return;
    }
    // Any sender: naming the portal's service would make Qt look up its
    // owner with a blocking call on this thread.
    bus.connect(QString(), QString::fromLatin1(kPortalPath), QString::fromLatin1(kSettingsInterface),
                QStringLiteral("SettingChanged"), this, SLOT(SlotSettingChanged(QString, QString, QDBusVariant)));
    ReadCurrent(QStringLiteral("ReadOne"));
}

void CThemeWatcher::ReadCurrent(const QString& method)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(QString::fromLatin1(kPortalService), QString::fromLatin1(kPortalPath),
                                         QString::fromLatin1(kSettingsInterface), method);
    call << QString::fromLatin1(kAppearance) << QString::fromLatin1(kColorScheme);
    auto* pending = new QDBusPendingCallWatcher(QDBusConnection(busName).asyncCall(call, kReadTimeoutMs), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, method](QDBusPendingCallWatcher* finished) { OnReadFinished(finished, method); });
}

void CThemeWatcher::OnReadFinished(QDBusPendingCallWatcher* call, const QString& method)
{
    call->deleteLater();
    const QDBusMessage reply = call->reply();
    if (reply.type() == QDBusMessage::ReplyMessage) {
        const int scheme = reply.arguments().isEmpty() ? -1 : ParseColorScheme(reply.arguments().first());
        if (scheme < 0) {
            UsePalette();
            return;
        }
        if (!changeSeen)
            portalScheme = scheme;
        Finish(portalScheme == PreferDark);
        return;
    }
    // Portals before version 2 only have Read.
    if (method == QLatin1String("ReadOne") && !IsNoPortal(call->error())) {
        ReadCurrent(QStringLiteral("Read"));
        return;
    }
    UsePalette();
}

void CThemeWatcher::UsePalette()
{
    paletteDark = MKBase::CSystemUtils::IsSystemPaletteDark();
    Finish(portalScheme >= 0 ? portalScheme == PreferDark : paletteDark);
}

void CThemeWatcher::Finish(bool bDark)
{
    // The first answer is applied at once: a second of the wrong skin right
    // after start-up would be noticed.
    if (!changeSeen) {
        SetSystemDark(bDark);
        emit SignalThemeChanged();
    }
    ready = true;
    emit SignalReady();
}

void CThemeWatcher::SlotSettingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value)
{
    if (nameSpace != QLatin1String(kAppearance) || key != QLatin1String(kColorScheme))
        return;
    const int scheme = ParseColorScheme(value.variant());
    if (scheme < 0)
        return;
    portalScheme = scheme;
    changeSeen = true;
    SetSystemDark(scheme == PreferDark);
    NotifyThemeChange();
}

bool CThemeWatcher::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ThemeChange && type != QEvent::ApplicationPaletteChange)
        return QObject::eventFilter(watched, event);
    // Applying our own skin sets the application palette; that leaves the
    // desktop's palette as it was, so it is not taken for a change.
    const bool dark = MKBase::CSystemUtils::IsSystemPaletteDark();
    if (type == QEvent::ApplicationPaletteChange && dark == paletteDark)
        return false;
    paletteDark = dark;
    // With a portal its value rules; the palette only speaks without one.
    if (portalScheme < 0)
        SetSystemDark(dark);
    NotifyThemeChange();
    return false;
}

void CThemeWatcher::NotifyThemeChange()
{
    if (themeChangePending)
        return;
    themeChangePending = true;
    // The flag is process-wide: it clears even when this watcher is gone by then.
    QPointer<CThemeWatcher> self(this);
    QTimer::singleShot(kDebounceMs, QCoreApplication::instance(), [self]() {
        themeChangePending = false;
        if (!self)
            return;
        ++reapplyCount;
        emit self->SignalThemeChanged();
    });
}

bool CThemeWatcher::IsThemeChangePending()
{
    return themeChangePending;
}

int CThemeWatcher::ReapplyCount()
{
    return reapplyCount;
}

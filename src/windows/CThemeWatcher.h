#pragma once

#include <QDBusConnection>
#include <QObject>

#include <functional>

class QDBusPendingCallWatcher;
class QDBusVariant;

// Windows announces a light/dark switch as WM_SETTINGCHANGE with wParam 0
// and lParam pointing at the UTF-16 name "ImmersiveColorSet". Plain code,
// so it is built and tested everywhere.
bool IsImmersiveColorSetMessage(quintptr wParam, qintptr lParam);

// Layout of a Windows MSG, as handed to native event filters there.
struct CWindowsMsg
{
    void* hwnd;
    quint32 message;
    quintptr wParam;
    qintptr lParam;
    quint32 time;
    struct
    {
        long x;
        long y;
    } pt;
};
constexpr quint32 kWmSettingChange = 0x001A;

// Follows the desktop's light/dark preference: the portal's colour-scheme
// setting on the session bus, Qt's theme and palette change events, and a
// start-up read of the current value. The result goes to
// MKApplication::SetSystemDarkMode; SignalThemeChanged asks for the skin to
// be re-applied, once per burst of notifications.
class CThemeWatcher : public QObject
{
    Q_OBJECT
public:
    // Opens the bus; runs on a worker thread so a slow bus never holds up
    // the first window.
    using BusOpener = std::function<QDBusConnection()>;

    // Without an opener the session bus is used.
    explicit CThemeWatcher(BusOpener opener = BusOpener(), QObject* parent = nullptr);
    ~CThemeWatcher() override;

    // Returns at once; SignalReady follows when the current value is known.
    void Start();

    // Portal colour-scheme values.
    enum ColorScheme { NoPreference = 0, PreferDark = 1, PreferLight = 2 };
    // Last value the portal gave, -1 while none (no portal, or not yet).
    int PortalColorScheme() const { return portalScheme; }
    bool IsReady() const { return ready; }

    // One hint that the desktop's colours may have changed. The first one
    // schedules SignalThemeChanged a second later; those arriving meanwhile,
    // from any watcher, are absorbed, as switching themes sends several in a row.
    void NotifyThemeChange();
    static bool IsThemeChangePending();
    // Re-applies done so far in this process.
    static int ReapplyCount();
    static constexpr int kDebounceMs = 1000;

signals:
    void SignalReady();
    // The skin is to be applied again: the desktop's colours were first
    // learned or have changed.
    void SignalThemeChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void SlotSettingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value);

private:
    void OnBusOpened(const QString& name);
    void ReadCurrent(const QString& method);
    void OnReadFinished(QDBusPendingCallWatcher* call, const QString& method);
    void UsePalette();
    void Finish(bool bDark);

    BusOpener opener;
    QString busName;
    int portalScheme = -1;
    // A change arrived before the start-up answer, which is then stale.
    bool changeSeen = false;
    bool paletteDark = false;
    bool started = false;
    bool ready = false;
};

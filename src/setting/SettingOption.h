#pragma once

#include "QWKDialog.h"

#include <QVariantMap>

class QPushButton;
class QStackedWidget;
class CVTabWidget;
class GeneralOption;
class DisplayOption;
class BlankOption;
class PrivacyOption;

// The modal "Preferences" dialog: General, Display, Blank PDF and Privacy
// pages. Apply writes the three setting groups to the settings store and the
// report switches to the framework settings; language and skin are handed
// back to the caller.
class SettingOption : public QWKDialog
{
    Q_OBJECT
public:
    explicit SettingOption(QWidget* parent = nullptr);

    void SetAppInfo(const QVariantMap& info, const QVariantMap& languages, int nIndex);
    QString GetLanguage() const;
    QString GetSkin() const;

    CVTabWidget* PageList() const { return pageList; }
    QStackedWidget* Pages() const { return pages; }
    GeneralOption* General() const { return general; }
    DisplayOption* Display() const { return display; }
    BlankOption* Blank() const { return blank; }
    PrivacyOption* Privacy() const { return privacy; }

public slots:
    void SlotClickedApply();
    void SlotTabSelectChanged(int nIndex);

protected:
    void showEvent(QShowEvent* event) override;

private:
    CVTabWidget* pageList = nullptr;
    QStackedWidget* pages = nullptr;
    GeneralOption* general = nullptr;
    DisplayOption* display = nullptr;
    BlankOption* blank = nullptr;
    PrivacyOption* privacy = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* applyButton = nullptr;
};

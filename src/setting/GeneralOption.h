#pragma once

#include <QVariantMap>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;

// "General" page of the preferences: default viewer, quit and restore
// behaviour, display language and appearance.
class GeneralOption : public QWidget
{
    Q_OBJECT
public:
    explicit GeneralOption(QWidget* parent = nullptr);

    void SetOptions(const QVariantMap& options);
    QVariantMap GetOptions() const;
    void SetLanguages(const QString& current, const QVariantMap& languages);
    QString GetLanguage() const;
    void SetSkin(const QString& name);
    QString GetSkin() const;

    QComboBox* LanguageBox() const { return languageBox; }
    QButtonGroup* SkinGroup() const { return skinGroup; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* defaultBox = nullptr;
    QCheckBox* quitBox = nullptr;
    QCheckBox* restoreBox = nullptr;
    QCheckBox* reopenBox = nullptr;
    QComboBox* languageBox = nullptr;
    QButtonGroup* skinGroup = nullptr;
};

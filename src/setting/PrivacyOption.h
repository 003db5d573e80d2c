#pragma once

#include <QWidget>

class QCheckBox;

// "Privacy" page of the preferences: whether anonymous usage statistics and
// crash reports may be sent. Both start as the user answered at the first
// start (no, unless they said yes).
class PrivacyOption : public QWidget
{
    Q_OBJECT
public:
    explicit PrivacyOption(QWidget* parent = nullptr);

    // bLocked: reports are off by the environment; the boxes show it and
    // cannot change it.
    void SetOptions(bool bUsage, bool bCrashes, bool bLocked);
    bool IsUsageChecked() const;
    bool IsCrashesChecked() const;

    QCheckBox* UsageBox() const { return usageBox; }
    QCheckBox* CrashesBox() const { return crashesBox; }

private:
    QCheckBox* usageBox = nullptr;
    QCheckBox* crashesBox = nullptr;
};

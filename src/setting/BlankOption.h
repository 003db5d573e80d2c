#pragma once

#include <QSize>
#include <QVariantMap>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class CClearEdit;

// "Blank PDF" page of the preferences: file name, page count, page size and
// orientation of new blank documents.
class BlankOption : public QWidget
{
    Q_OBJECT
public:
    explicit BlankOption(QWidget* parent = nullptr);

    void SetOptions(const QVariantMap& blank);
    QVariantMap GetOptions() const;

    CClearEdit* NameEdit() const { return nameEdit; }
    QLineEdit* CountEdit() const { return countEdit; }
    QLineEdit* WidthEdit() const { return widthEdit; }
    QLineEdit* HeightEdit() const { return heightEdit; }
    QComboBox* SizeBox() const { return sizeBox; }
    QPushButton* KeepButton() const { return keepButton; }
    QRadioButton* FixedButton() const { return fixedButton; }
    QRadioButton* CustomButton() const { return customButton; }
    QPushButton* PortraitButton() const { return portraitButton; }
    QPushButton* LandscapeButton() const { return landscapeButton; }

public slots:
    void SlotSizeClicked(QAbstractButton* button);
    void SlotSizeChanged(const QString& text);
    void SlotKeepClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EnableCustom(bool bCustom);

    CClearEdit* nameEdit = nullptr;
    QLineEdit* countEdit = nullptr;
    QRadioButton* fixedButton = nullptr;
    QComboBox* sizeBox = nullptr;
    QRadioButton* customButton = nullptr;
    QLineEdit* widthEdit = nullptr;
    QPushButton* keepButton = nullptr;
    QLineEdit* heightEdit = nullptr;
    QLabel* unitLabel = nullptr;
    QPushButton* portraitButton = nullptr;
    QPushButton* landscapeButton = nullptr;
    QButtonGroup* sizeGroup = nullptr;
    QButtonGroup* orientationGroup = nullptr;
    double aspectRatio = 1.0;
    // What the page was filled with: a field left empty keeps it.
    int shownCount = 1;
    QSize shownSize {210, 297};
    // Remembered between showings of the dialog, not saved.
    static bool keepAspect;
};

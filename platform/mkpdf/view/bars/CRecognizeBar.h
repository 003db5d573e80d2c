#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;

// The strip above a document's pages that offers to recognize the text of
// scanned pages: which pages (this one, some, all), in which languages, and
// while it runs how far it got, with a way to stop it.
class CRecognizeBar : public QWidget
{
    Q_OBJECT
public:
    enum Scope { CurrentPage, AllPages, SomePages };

    explicit CRecognizeBar(QWidget* parent = nullptr);

    // The languages to offer, by code with their names; the first is chosen.
    void SetLanguages(const QStringList& codes, const QStringList& names);
    QStringList ChosenLanguages() const;
    void SetChosenLanguages(const QStringList& codes);
    Scope GetScope() const;
    void SetScope(Scope scope);
    // The pages asked for with SomePages, as typed ("1-3, 5").
    QString PagesText() const;

    // Idle, with what the bar says: the recognize controls show.
    void ShowOffer(const QString& text);
    // Running: a progress bar and Cancel instead.
    void ShowProgress(int nPercent, int nDone, int nTotal);
    QString Text() const;
    bool IsRunning() const { return running; }

    QPushButton* RecognizeButton() const { return recognize; }
    QPushButton* CancelButton() const { return cancel; }
    QComboBox* ScopeBox() const { return scope; }
    QLineEdit* PagesEdit() const { return pages; }
    QPushButton* LanguageButton() const { return languages; }

signals:
    void SignalRecognize();
    void SignalCancel();
    // The user closed the bar.
    void SignalClosed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateLanguageText();

    QLabel* label = nullptr;
    QComboBox* scope = nullptr;
    QLineEdit* pages = nullptr;
    QPushButton* languages = nullptr;
    QMenu* languageMenu = nullptr;
    QPushButton* recognize = nullptr;
    QProgressBar* progress = nullptr;
    QPushButton* cancel = nullptr;
    bool running = false;
};

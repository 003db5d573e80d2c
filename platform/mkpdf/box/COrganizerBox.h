#pragma once

#include <QWidget>

class CEditSession;
class COrganizerView;
class QLabel;
class QPushButton;

// The page organizer of one document: a tool bar over the grid of its
// pages. Every change is one step on the session's undo stack; the file
// changes only when the document is saved. Extracting and splitting write
// new files at once and leave the document as it is.
class COrganizerBox : public QWidget
{
    Q_OBJECT
public:
    explicit COrganizerBox(CEditSession* session, QWidget* parent = nullptr);

    COrganizerView* View() const { return view; }
    QString StatusText() const;

    void RotateSelection(int nDegrees);
    // Refused, with a message, when it would leave no page.
    bool DeleteSelection();
    void DuplicateSelection();
    // After the selection (or at the end), the size of the page before it.
    void InsertBlankPage();
    // Inserts every page of a PDF file before position nAt; a protected file
    // asks for its password. False, with the user told why, when the file
    // cannot be read.
    bool InsertFile(const QString& path, int nAt);
    // Writes the selected pages to a new file.
    bool ExtractSelection(const QString& target);
    // Writes the document in parts of nPagesPerFile pages into folder, named
    // after the document; names already taken get a number. The files
    // written, empty on failure.
    QStringList SplitInto(const QString& folder, int nPagesPerFile);

    void AskInsertFile();
    void AskExtract();
    void AskSplit();

signals:
    void SignalClickedFile(const QPoint& pos);
    void SignalSaveRequested();
    void SignalCloseRequested();

private:
    QPushButton* AddButton(const char* name, const QString& tip, void (COrganizerBox::*slot)());
    void UpdateState();
    void ShowError(const QString& title, const QString& text);
    QString BaseName() const;

    CEditSession* session;
    COrganizerView* view = nullptr;
    QLabel* status = nullptr;
    QWidget* bar = nullptr;
    QList<QPushButton*> selectionButtons;
    QPushButton* undoButton = nullptr;
    QPushButton* redoButton = nullptr;
};

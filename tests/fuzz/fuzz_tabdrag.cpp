#include "FuzzTarget.h"

#include "tabbar/CTabBar.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>

#include <cstring>

// A tab payload: any program can offer data in these formats.
// Input: one byte saying which formats are present, then their contents
// (dirty flag, text, pointer) separated by 0x1e.
RV_FUZZ_TARGET(tabdrag)
{
    if (data.isEmpty())
        return;
    const quint8 present = quint8(data.at(0));
    const QList<QByteArray> parts = data.mid(1).split('\x1e');
    const QByteArray dirtyPart = parts.value(0);
    const QByteArray textPart = parts.value(1);
    const QByteArray pointerPart = parts.value(2);
    QMimeData mime;
    const char* formats[] = {CTabBar::kDragMarker, CTabBar::kDragDirty, CTabBar::kDragText, CTabBar::kDragPointer};
    const QByteArray contents[] = {"marvik", dirtyPart, textPart, pointerPart};
    for (int i = 0; i < 4; ++i) {
        if (present & (1 << i))
            mime.setData(formats[i], contents[i]);
    }

    QString text = "stale";
    bool dirty = true;
    QWidget* widget = reinterpret_cast<QWidget*>(&text);
    const bool decoded = CTabBar::DecodeDragData(&mime, &text, &dirty, &widget);
    FUZZ_CHECK(decoded == bool(present & 1));
    FUZZ_CHECK(text == (decoded && (present & 4) ? QString::fromUtf8(textPart) : QString()));
    FUZZ_CHECK(dirty == (decoded && (present & 2) && !dirtyPart.isEmpty() && dirtyPart.at(0) != 0));
    QWidget* expected = nullptr;
    if (decoded && (present & 8) && pointerPart.size() >= int(sizeof(QWidget*)))
        std::memcpy(&expected, pointerPart.constData(), sizeof(QWidget*));
    FUZZ_CHECK(widget == expected);

    // Dropped on a bar while one of our tabs is being dragged: only that
    // very document may be adopted, whatever address the payload names.
    static CTabBar* bar = new CTabBar;
    static QWidget* document = new QWidget;
    int adopted = 0;
    QWidget* adoptedWidget = nullptr;
    const auto connection = QObject::connect(bar, &CTabBar::SignalItemDragIn,
                                             [&](const QString&, bool, QWidget* tabWidget) {
                                                 ++adopted;
                                                 adoptedWidget = tabWidget;
                                             });
    CTabBar::BeginTabDrag(document);
    QDropEvent drop(QPointF(20, 20), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &drop);
    CTabBar::EndTabDrag();
    QObject::disconnect(connection);
    FUZZ_CHECK(adopted == (expected == document ? 1 : 0));
    FUZZ_CHECK(adopted == 0 || adoptedWidget == document);
    FUZZ_CHECK(bar->GetItemCount() == 0);
}

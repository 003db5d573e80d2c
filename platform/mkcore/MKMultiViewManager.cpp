#include "MKMultiViewManager.h"

#include <QWidget>

MKMultiViewManager::MKMultiViewManager(QObject* parent)
    : QObject(parent)
{
}

void MKMultiViewManager::RemoveMainView(QWidget* view)
{
    views.removeAll(view);
    if (currentView == view)
        currentView = views.isEmpty() ? nullptr : views.last();
}

void MKMultiViewManager::SetCurrentView(QWidget* view)
{
    currentView = view;
}

void MKMultiViewManager::InitData()
{
    if (views.isEmpty())
        return;
    QWidget* view = views.last();
    connect(view, &QObject::destroyed, this, [this](QObject* object) {
        for (int i = views.size() - 1; i >= 0; --i) {
            if (static_cast<QObject*>(views.at(i)) == object)
                views.removeAt(i);
        }
    });
}

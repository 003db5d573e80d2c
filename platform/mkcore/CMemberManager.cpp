#include "CMemberManager.h"

CMemberManager::CMemberManager(QObject* parent)
    : QObject(parent)
{
}

CMemberManager* CMemberManager::getInstance(QObject* parent)
{
    static CMemberManager* instance = new CMemberManager(parent);
    return instance;
}

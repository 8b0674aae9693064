#include "Myconst.h"

#include <QCoreApplication>

QString Myconst::Entry::Text() const {
    return QCoreApplication::translate("Myconst", source.english, source.key);
}

const Myconst::Entry* Myconst::Find(int id) {
    for (const Entry* entry : All) {
        if (entry->id == id) {
            return entry;
        }
    }
    return nullptr;
}

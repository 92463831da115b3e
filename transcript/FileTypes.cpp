#include "transcript/FileTypes.h"

namespace FileTypes {

FileType pTextPlain;

void createRecords()
{
    pTextPlain.name = QStringLiteral("text/plain");
    pTextPlain.extensions = QStringLiteral(".asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;"
                                           ".java;.m2;.m3;.mak;.text;.txt")
                                .split(u';');
    pTextPlain.macType = QStringLiteral("TEXT");
    pTextPlain.macCreator = QStringLiteral("ttxt");
}

const FileType *find(const QString &fileTypeName)
{
    // A bare top-level type ("text") names the record of that family.
    const QString family = pTextPlain.name.section(u'/', 0, 0);
    if (fileTypeName.compare(pTextPlain.name, Qt::CaseInsensitive) == 0
        || fileTypeName.compare(family, Qt::CaseInsensitive) == 0)
        return &pTextPlain;
    return nullptr;
}

} // namespace FileTypes

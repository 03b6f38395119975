#include "store/CatalogFile.h"

#include <QFile>

namespace korvel::store {

namespace {
constexpr QFileDevice::Permissions kWrite = QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                            QFileDevice::WriteGroup | QFileDevice::WriteOther;
}

void setCatalogWritable(const QString& path, bool writable)
{
    QFile f(path);
    if (!f.exists())
        return;
    QFileDevice::Permissions p = f.permissions();
    if (writable)
        p |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    else
        p &= ~kWrite;
    f.setPermissions(p);
}

bool isWriteProtected(const QString& path)
{
    QFile f(path);
    return f.exists() && !(f.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup |
                                              QFileDevice::WriteOther));
}

} // namespace korvel::store

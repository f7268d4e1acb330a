#include "platform/automation/com.h"

#include "platform/exception.h"

#include <map>

namespace lingotab::automation {

namespace {

std::map<QString, ClassRegistration>& classTable() {
    static std::map<QString, ClassRegistration> table;
    return table;
}

const ClassRegistration* findByClsid(const CLSID& clsid) {
    for (const auto& [progId, registration] : classTable())
        if (registration.clsid == clsid) return &registration;
    return nullptr;
}

}  // namespace

void registerClass(ClassRegistration registration) {
    QString key = registration.progId;
    classTable().insert_or_assign(std::move(key), std::move(registration));
}

void unregisterClass(const QString& progId) { classTable().erase(progId); }

HRESULT CLSIDFromProgID(const QString& progId, CLSID& clsid) {
    const auto it = classTable().find(progId);
    if (it == classTable().end()) return CO_E_CLASSSTRING;
    clsid = it->second.clsid;
    return S_OK;
}

HRESULT GetActiveObject(const CLSID& clsid, DispatchPtr& out) {
    const ClassRegistration* registration = findByClsid(clsid);
    if (!registration) return REGDB_E_CLASSNOTREG;
    if (!registration->getActiveObject) return MK_E_UNAVAILABLE;
    return registration->getActiveObject(out);
}

HRESULT CoCreateInstance(const CLSID& clsid, DispatchPtr& out) {
    const ClassRegistration* registration = findByClsid(clsid);
    if (!registration || !registration->createInstance) return REGDB_E_CLASSNOTREG;
    return registration->createInstance(out);
}

QString SysErrorMessage(HRESULT hr) {
    switch (static_cast<std::uint32_t>(hr)) {
        case 0x80004005u: return QStringLiteral("Unspecified error");
        case 0x800401E3u: return QStringLiteral("Operation unavailable");
        case 0x800401F3u: return QStringLiteral("Invalid class string");
        case 0x80040154u: return QStringLiteral("Class not registered");
        case 0x80080005u: return QStringLiteral("Server execution failed");
        case 0x80020004u: return QStringLiteral("Parameter not found.");
        default:
            return QStringLiteral("OLE error %1")
                .arg(QString::number(static_cast<std::uint32_t>(hr), 16).toUpper().rightJustified(8, QLatin1Char('0')));
    }
}

void raiseOleError(HRESULT hr) { throw Exception(SysErrorMessage(hr)); }

}  // namespace lingotab::automation

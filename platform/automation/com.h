#pragma once

#include "platform/automation/dispatch.h"

#include <QString>
#include <QUuid>
#include <functional>

namespace lingotab::automation {

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT MK_E_UNAVAILABLE = static_cast<HRESULT>(0x800401E3u);
inline constexpr HRESULT CO_E_CLASSSTRING = static_cast<HRESULT>(0x800401F3u);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);
inline constexpr HRESULT CO_E_SERVER_EXEC_FAILURE = static_cast<HRESULT>(0x80080005u);

inline bool succeeded(HRESULT hr) { return hr >= 0; }

using CLSID = QUuid;

// What a spreadsheet application (or a test double) registers under a
// programmatic identifier. Either function may fail with an error code.
struct ClassRegistration {
    QString progId;
    CLSID clsid;
    // The running instance, if there is one (GetActiveObject).
    std::function<HRESULT(DispatchPtr& out)> getActiveObject;
    // A new instance (CoCreateInstance).
    std::function<HRESULT(DispatchPtr& out)> createInstance;
};

// Process-wide class table, standing in for the system's class registration.
// registerClass replaces an earlier registration of the same identifier.
void registerClass(ClassRegistration registration);
void unregisterClass(const QString& progId);

HRESULT CLSIDFromProgID(const QString& progId, CLSID& clsid);
HRESULT GetActiveObject(const CLSID& clsid, DispatchPtr& out);
HRESULT CoCreateInstance(const CLSID& clsid, DispatchPtr& out);

// The system's text for an error code, or "OLE error %.8x" when it has none.
QString SysErrorMessage(HRESULT hr);

// Raises the error for a failed call: "OLE error %.8x" or the system's text.
[[noreturn]] void raiseOleError(HRESULT hr);

}  // namespace lingotab::automation

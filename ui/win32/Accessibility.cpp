#include "Accessibility.h"

#include "Convert.h"

#include <oleacc.h>

namespace tallix {

namespace {

void annotate(IAccPropServices* service, HWND window, const MSAAPROPID& property, const std::wstring& text)
{
    if (service && window)
        service->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property, text.c_str());
}

} // namespace

AccessibleNames::AccessibleNames()
{
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&m_service))))
        m_service = nullptr;
}

AccessibleNames::~AccessibleNames()
{
    if (m_service)
        m_service->Release();
}

void AccessibleNames::setName(HWND window, std::string_view name)
{
    annotate(m_service, window, PROPID_ACC_NAME, wide(name));
}

void AccessibleNames::setValue(HWND window, const std::wstring& value)
{
    annotate(m_service, window, PROPID_ACC_VALUE, value);
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace tallix

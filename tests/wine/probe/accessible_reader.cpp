// SPDX-License-Identifier: MIT
#include "accessible_reader.h"

#include "json.h"

#include <oleacc.h>

#include <memory>
#include <vector>

namespace probe {

namespace {

template <typename Interface> struct Released {
    void operator()(Interface* object) const { object->Release(); }
};
using AccessiblePtr = std::unique_ptr<IAccessible, Released<IAccessible>>;

AccessiblePtr clientObject(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return nullptr;
    }
    return AccessiblePtr(object);
}

std::wstring taken(BSTR text) {
    std::wstring value = text ? std::wstring(text, SysStringLen(text)) : L"";
    SysFreeString(text);
    return value;
}

// A child: an object of its own (a child window) or an element its parent answers for.
struct Child {
    AccessiblePtr object;
    VARIANT id;
    IAccessible* answers() const { return object.get(); }
};

std::vector<Child> childrenOf(IAccessible* parent) {
    long count = 0;
    parent->get_accChildCount(&count);
    std::vector<VARIANT> found(static_cast<std::size_t>(count > 0 ? count : 0));
    long obtained = 0;
    if (count > 0 && FAILED(AccessibleChildren(parent, 0, count, found.data(), &obtained))) {
        obtained = 0;
    }
    std::vector<Child> children;
    for (long i = 0; i < obtained; ++i) {
        VARIANT& entry = found[static_cast<std::size_t>(i)];
        Child child;
        VariantInit(&child.id);
        child.id.vt = VT_I4;
        child.id.lVal = CHILDID_SELF;
        if (entry.vt == VT_DISPATCH && entry.pdispVal) {
            IAccessible* object = nullptr;
            entry.pdispVal->QueryInterface(__uuidof(IAccessible),
                                           reinterpret_cast<void**>(&object));
            child.object.reset(object);
        } else if (entry.vt == VT_I4) {
            parent->AddRef();
            child.object.reset(parent);
            child.id.lVal = entry.lVal;
        }
        VariantClear(&entry);
        if (child.object) {
            children.push_back(std::move(child));
        }
    }
    return children;
}

std::string describe(const Child& child) {
    IAccessible* object = child.answers();
    BSTR name = nullptr;
    object->get_accName(child.id, &name);
    BSTR action = nullptr;
    object->get_accDefaultAction(child.id, &action);
    VARIANT role;
    VariantInit(&role);
    object->get_accRole(child.id, &role);
    VARIANT state;
    VariantInit(&state);
    object->get_accState(child.id, &state);
    long x = 0, y = 0, width = 0, height = 0;
    object->accLocation(&x, &y, &width, &height, child.id);
    const std::string location = Array()
                                     .add(std::to_string(x))
                                     .add(std::to_string(y))
                                     .add(std::to_string(width))
                                     .add(std::to_string(height))
                                     .str();
    return Object()
        .add("name", quoted(taken(name)))
        .add("role", static_cast<long long>(role.vt == VT_I4 ? role.lVal : -1))
        .add("action", quoted(taken(action)))
        .add("state", static_cast<long long>(state.vt == VT_I4 ? state.lVal : -1))
        .add("location", location)
        .str();
}

} // namespace

std::string describeAccessible(HWND window) {
    const AccessiblePtr client = clientObject(window);
    if (!client) {
        return Object().add("error", "no accessible object").str();
    }
    Array list;
    for (const Child& child : childrenOf(client.get())) {
        list.add(describe(child));
    }
    return list.str();
}

std::string pressAccessible(HWND window, const std::wstring& name) {
    const AccessiblePtr client = clientObject(window);
    if (!client) {
        return Object().add("error", "no accessible object").str();
    }
    for (const Child& child : childrenOf(client.get())) {
        BSTR childName = nullptr;
        child.answers()->get_accName(child.id, &childName);
        if (taken(childName) == name) {
            const HRESULT result = child.answers()->accDoDefaultAction(child.id);
            return SUCCEEDED(result) ? Object().add("pressed", true).str()
                                     : Object().add("error", "the default action failed").str();
        }
    }
    return Object().add("error", "no such child").str();
}

} // namespace probe

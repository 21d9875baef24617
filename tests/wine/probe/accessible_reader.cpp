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

// A child as AccessibleChildren, accNavigate or accHitTest answer: an object of its own or a
// child id.
Child childOf(IAccessible* parent, VARIANT& answer) {
    Child child;
    VariantInit(&child.id);
    child.id.vt = VT_I4;
    child.id.lVal = CHILDID_SELF;
    if (answer.vt == VT_DISPATCH && answer.pdispVal) {
        IAccessible* object = nullptr;
        answer.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object));
        child.object.reset(object);
    } else if (answer.vt == VT_I4) {
        parent->AddRef();
        child.object.reset(parent);
        child.id.lVal = answer.lVal;
    }
    VariantClear(&answer);
    return child;
}

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
        Child child = childOf(parent, found[static_cast<std::size_t>(i)]);
        if (child.object) {
            children.push_back(std::move(child));
        }
    }
    return children;
}

std::wstring nameOf(const Child& child) {
    BSTR name = nullptr;
    child.answers()->get_accName(child.id, &name);
    return taken(name);
}

// Names of the children reached from `first` (NAVDIR_FIRSTCHILD or NAVDIR_LASTCHILD) on, one
// `step` at a time, by child id: child ids run from 1 to the child count.
std::string walk(IAccessible* client, long first, long step, long delta) {
    Array names;
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    long count = 0;
    client->get_accChildCount(&count);
    long id = delta > 0 ? 1 : count;
    VARIANT answer;
    VariantInit(&answer);
    HRESULT result = client->accNavigate(first, self, &answer);
    for (long guard = 0; result == S_OK && guard <= count; ++guard) {
        const Child child = childOf(client, answer);
        if (!child.object) {
            break;
        }
        names.add(quoted(nameOf(child)));
        VARIANT from;
        VariantInit(&from);
        from.vt = VT_I4;
        from.lVal = id;
        id += delta;
        VariantInit(&answer);
        result = client->accNavigate(step, from, &answer);
    }
    return names.str();
}

} // namespace

std::string navigateAccessible(HWND window) {
    const AccessiblePtr client = clientObject(window);
    if (!client) {
        return Object().add("error", "no accessible object").str();
    }
    return Object()
        .add("forward", walk(client.get(), NAVDIR_FIRSTCHILD, NAVDIR_NEXT, 1))
        .add("backward", walk(client.get(), NAVDIR_LASTCHILD, NAVDIR_PREVIOUS, -1))
        .str();
}

std::string hitTestAccessible(HWND window, long x, long y) {
    const AccessiblePtr client = clientObject(window);
    if (!client) {
        return Object().add("error", "no accessible object").str();
    }
    VARIANT answer;
    VariantInit(&answer);
    if (client->accHitTest(x, y, &answer) != S_OK || answer.vt == VT_EMPTY) {
        return "null";
    }
    if (answer.vt == VT_I4 && answer.lVal == CHILDID_SELF) {
        return quoted(std::string_view("self"));
    }
    const Child child = childOf(client.get(), answer);
    if (!child.object) {
        return "null";
    }
    VARIANT role;
    VariantInit(&role);
    child.answers()->get_accRole(child.id, &role);
    VARIANT state;
    VariantInit(&state);
    child.answers()->get_accState(child.id, &state);
    return Object()
        .add("name", quoted(nameOf(child)))
        .add("role", static_cast<long long>(role.vt == VT_I4 ? role.lVal : -1))
        .add("state", static_cast<long long>(state.vt == VT_I4 ? state.lVal : -1))
        .str();
}

namespace {

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

// SPDX-License-Identifier: MIT
#pragma once

#include <unknwn.h>

#include <atomic>

namespace varnik::win32 {

/// The reference count of a COM object of ours that implements `Interfaces` (not a reference
/// to one: handles.h's ComObject is that). It is created holding one reference and deletes
/// itself with its last; the class that derives from it answers QueryInterface.
template <typename... Interfaces> class RefCounted : public Interfaces... {
public:
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --m_references;
        if (left == 0) {
            delete this;
        }
        return left;
    }

protected:
    RefCounted() = default;
    virtual ~RefCounted() = default;

private:
    std::atomic<ULONG> m_references{1};
};

} // namespace varnik::win32

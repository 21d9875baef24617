// SPDX-License-Identifier: MIT
#pragma once

#include <unknwn.h>

#include <atomic>

namespace varnik::win32 {

/// The reference count of a COM object of ours that implements `Interfaces`: it is created
/// holding one reference and deletes itself with its last. The class that derives from it
/// answers QueryInterface.
template <typename... Interfaces> class ComObject : public Interfaces... {
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --m_references;
        if (left == 0) {
            delete this;
        }
        return left;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

private:
    std::atomic<ULONG> m_references{1};
};

} // namespace varnik::win32

#pragma once
// A COM enumerator (IEnumConnectionPoints, IEnumConnections, ...) over a
// snapshot taken when it is made: later changes of what was enumerated do
// not move it. Clones share the snapshot and start at the same position.
// `Traits` says how an item gains and drops its reference:
//   static void AddRef(const Item&); static void Release(const Item&);
#include <windows.h>

#include <memory>
#include <vector>

#include "ComObject_win.h"

namespace corvella::com {

template <typename Enumeration, typename Item, typename Traits>
class ComEnumerator final : public ComObject<Enumeration> {
    // The items with one reference each, dropped with the last enumerator.
    struct Snapshot {
        std::vector<Item> items;
        ~Snapshot() {
            for (const Item& item : items) Traits::Release(item);
        }
    };

public:
    // `items` each already hold the reference the enumerator keeps.
    static HRESULT Create(std::vector<Item> items, Enumeration** out) noexcept {
        if (out == nullptr) {
            for (const Item& item : items) Traits::Release(item);
            return E_POINTER;
        }
        *out = nullptr;
        try {
            auto snapshot = std::make_shared<Snapshot>();
            snapshot->items.swap(items);
            *out = new ComEnumerator(std::move(snapshot), 0);
            return S_OK;
        } catch (...) {
            for (const Item& item : items) Traits::Release(item);
            return E_OUTOFMEMORY;
        }
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG count, Item* out, ULONG* fetched) override {
        if (fetched != nullptr) *fetched = 0;
        if (out == nullptr || (fetched == nullptr && count != 1)) return E_POINTER;
        ULONG given = 0;
        for (; given < count && position_ < snapshot_->items.size(); ++given, ++position_) {
            out[given] = snapshot_->items[position_];
            Traits::AddRef(out[given]);
        }
        if (fetched != nullptr) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        const size_t left = snapshot_->items.size() - position_;
        const size_t skipped = count < left ? count : left;
        position_ += skipped;
        return skipped == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        position_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(Enumeration** out) override {
        if (out == nullptr) return E_POINTER;
        *out = new (std::nothrow) ComEnumerator(snapshot_, position_);
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

private:
    ComEnumerator(std::shared_ptr<Snapshot> snapshot, size_t position) noexcept
        : snapshot_(std::move(snapshot)), position_(position) {}

    std::shared_ptr<Snapshot> snapshot_;
    size_t position_;
};

// Items that are interface pointers.
struct InterfaceItem {
    static void AddRef(IUnknown* item) { item->AddRef(); }
    static void Release(IUnknown* item) { item->Release(); }
};

}  // namespace corvella::com

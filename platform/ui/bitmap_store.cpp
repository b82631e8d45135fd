#include "platform/ui/bitmap_store.h"

#include <map>

namespace ui_detail {
namespace {
std::map<int, QImage>& Store() {
    static std::map<int, QImage> store;
    return store;
}
int nextHandle = 1;
}  // namespace

int StoreBitmap(QImage image) {
    const int handle = nextHandle++;
    Store().emplace(handle, std::move(image));
    return handle;
}

const QImage* FindBitmap(int handle) {
    auto it = Store().find(handle);
    return it == Store().end() ? nullptr : &it->second;
}

bool DropBitmap(int handle) {
    return Store().erase(handle) > 0;
}

}  // namespace ui_detail

#include "SharedPictures.h"

// The pictures are compiled into this library; a static library must ask for them.
static void loadSharedResources() {
    Q_INIT_RESOURCE(shared);
}

namespace kivo::ui::shared {

void loadPictures() {
    loadSharedResources();
}

}  // namespace kivo::ui::shared

#include "frame/sdl/WaylandBuffers.h"

#include <SDL_syswm.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

// Enough for a compositor that holds one buffer on screen and one being
// read; a third only when it is slow to let go.
constexpr std::size_t kMostBuffers = 3;
constexpr int kBytesPerPixel = 4;

void copyRect(const SDL_Surface& from, std::uint8_t* to, int stride, const SDL_Rect& rect) {
    const auto* source = static_cast<const std::uint8_t*>(from.pixels);
    std::size_t offset = static_cast<std::size_t>(rect.x) * kBytesPerPixel;
    std::size_t bytes = static_cast<std::size_t>(rect.w) * kBytesPerPixel;
    for (int y = rect.y; y < rect.y + rect.h; ++y)
        std::memcpy(to + static_cast<std::size_t>(y) * stride + offset,
                    source + static_cast<std::size_t>(y) * from.pitch + offset, bytes);
}

}  // namespace

struct WaylandBuffers::Buffer {
    wl_buffer* buffer = nullptr;
    std::uint8_t* pixels = nullptr;
    std::size_t bytes = 0;
    int width = 0, height = 0;
    BufferLedger* ledger = nullptr;
    std::size_t number = 0;

    ~Buffer() {
        if (buffer) wl_buffer_destroy(buffer);
        if (pixels) munmap(pixels, bytes);
    }
    int stride() const { return width * kBytesPerPixel; }
};

namespace {

void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto** shm = static_cast<wl_shm**>(data);
    if (!*shm && std::strcmp(interface, wl_shm_interface.name) == 0)
        *shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
}

void onGlobalRemoved(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {onGlobal, onGlobalRemoved};

}  // namespace

WaylandBuffers::WaylandBuffers(SDL_Window* window) : window_(window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_WAYLAND)
        throw std::runtime_error("The window is not a Wayland surface");
    display_ = info.info.wl.display;
    wlSurface_ = info.info.wl.surface;
    // A queue of our own: the buffers' events are handled here, never in
    // the middle of SDL's.
    queue_ = wl_display_create_queue(display_);
    auto* display = static_cast<wl_display*>(wl_proxy_create_wrapper(display_));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(display), queue_);
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &shm_);
    wl_display_roundtrip_queue(display_, queue_);
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(display);
    if (!shm_) {
        wl_event_queue_destroy(queue_);
        throw std::runtime_error("The compositor offers no shared memory for the window's pixels");
    }
}

WaylandBuffers::~WaylandBuffers() {
    dropBuffers();
    if (picture_) SDL_FreeSurface(picture_);
    wl_shm_destroy(shm_);
    wl_event_queue_destroy(queue_);
}

SDL_Surface* WaylandBuffers::surface() {
    int width = 0, height = 0;
    SDL_GetWindowSizeInPixels(window_, &width, &height);
    if (picture_ && picture_->w == width && picture_->h == height) return picture_;
    if (picture_) SDL_FreeSurface(picture_);
    dropBuffers();
    picture_ = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888);
    return picture_;
}

int WaylandBuffers::pixelsPerPoint() const {
    int points = 0, pixels = 0, height = 0;
    SDL_GetWindowSize(window_, &points, &height);
    SDL_GetWindowSizeInPixels(window_, &pixels, &height);
    return points > 0 ? std::max(1, pixels / points) : 1;
}

void WaylandBuffers::dropBuffers() {
    buffers_.clear();
    ledger_.clear();
}

void WaylandBuffers::makeBuffer() {
    auto buffer = std::make_unique<Buffer>();
    buffer->width = picture_->w;
    buffer->height = picture_->h;
    buffer->bytes = static_cast<std::size_t>(buffer->stride()) * buffer->height;
    int fd = memfd_create("orbitrove-window", MFD_CLOEXEC);
    if (fd < 0) return;
    void* pixels = ftruncate(fd, static_cast<off_t>(buffer->bytes)) == 0
                       ? mmap(nullptr, buffer->bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                       : MAP_FAILED;
    if (pixels == MAP_FAILED) {
        close(fd);
        return;
    }
    buffer->pixels = static_cast<std::uint8_t*>(pixels);
    wl_shm_pool* pool = wl_shm_create_pool(shm_, fd, static_cast<int32_t>(buffer->bytes));
    buffer->buffer =
        wl_shm_pool_create_buffer(pool, 0, buffer->width, buffer->height, buffer->stride(), WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    static const wl_buffer_listener released = {[](void* data, wl_buffer*) {
        auto* buffer = static_cast<Buffer*>(data);
        buffer->ledger->release(buffer->number);
    }};
    wl_buffer_add_listener(buffer->buffer, &released, buffer.get());
    buffer->ledger = &ledger_;
    buffer->number = ledger_.add();
    buffers_.push_back(std::move(buffer));
}

// Rectangles every buffer missed while the compositor held them all are
// shown with the next upload.
void WaylandBuffers::upload(const std::vector<SDL_Rect>& rects) {
    if (!picture_ || rects.empty()) return;
    wl_display_dispatch_queue_pending(display_, queue_);
    std::vector<SDL_Rect> copy;
    SDL_Rect whole{0, 0, picture_->w, picture_->h};
    if (ledger_.allHeld() && buffers_.size() < kMostBuffers) makeBuffer();
    std::optional<std::size_t> taken = ledger_.take(rects, whole, copy);
    if (!taken) return;
    Buffer& buffer = *buffers_[*taken];
    for (const SDL_Rect& rect : copy) copyRect(*picture_, buffer.pixels, buffer.stride(), rect);
    wl_surface_attach(wlSurface_, buffer.buffer, 0, 0);
    bool bufferDamage =
        wl_proxy_get_version(reinterpret_cast<wl_proxy*>(wlSurface_)) >= WL_SURFACE_DAMAGE_BUFFER_SINCE_VERSION;
    for (const SDL_Rect& rect : rects) {
        if (bufferDamage) wl_surface_damage_buffer(wlSurface_, rect.x, rect.y, rect.w, rect.h);
        else wl_surface_damage(wlSurface_, rect.x, rect.y, rect.w, rect.h);
    }
    wl_surface_commit(wlSurface_);
    wl_display_flush(display_);
}

void WaylandBuffers::uploadAll() {
    if (picture_) upload({{0, 0, picture_->w, picture_->h}});
}

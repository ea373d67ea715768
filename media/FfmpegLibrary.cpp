#include "media/FfmpegLibrary.h"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

#include "media/LibraryLog.h"

namespace {

// The sonames of the versions the program was built against: their
// interfaces are the ones the headers above describe.
#define ORBITROVE_SONAME(name, major) "lib" name ".so." AV_STRINGIFY(major)

template <class Function>
void bind(Function& function, void* library, const char* name) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function) throw std::runtime_error(std::string("the video library has no ") + name);
}

}  // namespace

#define ORBITROVE_BIND(library, name) bind(name, library, #name)

FfmpegLibrary::FfmpegLibrary() {
    try {
        void* util = open(ORBITROVE_SONAME("avutil", LIBAVUTIL_VERSION_MAJOR));
        void* scale = open(ORBITROVE_SONAME("swscale", LIBSWSCALE_VERSION_MAJOR));
        void* codec = open(ORBITROVE_SONAME("avcodec", LIBAVCODEC_VERSION_MAJOR));
        void* format = open(ORBITROVE_SONAME("avformat", LIBAVFORMAT_VERSION_MAJOR));
        ORBITROVE_BIND(format, avformat_open_input);
        ORBITROVE_BIND(format, avformat_find_stream_info);
        ORBITROVE_BIND(format, avformat_close_input);
        ORBITROVE_BIND(format, av_find_best_stream);
        ORBITROVE_BIND(format, av_read_frame);
        ORBITROVE_BIND(format, av_seek_frame);
        ORBITROVE_BIND(codec, avcodec_alloc_context3);
        ORBITROVE_BIND(codec, avcodec_parameters_to_context);
        ORBITROVE_BIND(codec, avcodec_open2);
        ORBITROVE_BIND(codec, avcodec_free_context);
        ORBITROVE_BIND(codec, avcodec_send_packet);
        ORBITROVE_BIND(codec, avcodec_receive_frame);
        ORBITROVE_BIND(codec, avcodec_flush_buffers);
        ORBITROVE_BIND(codec, av_packet_alloc);
        ORBITROVE_BIND(codec, av_packet_free);
        ORBITROVE_BIND(codec, av_packet_unref);
        ORBITROVE_BIND(util, av_frame_alloc);
        ORBITROVE_BIND(util, av_frame_free);
        ORBITROVE_BIND(util, av_frame_get_buffer);
        ORBITROVE_BIND(util, av_rescale);
        ORBITROVE_BIND(util, av_rescale_q);
        ORBITROVE_BIND(scale, sws_getCachedContext);
        ORBITROVE_BIND(scale, sws_scale);
        ORBITROVE_BIND(scale, sws_freeContext);
        // A freshly loaded library logs to standard error again.
        decltype(&::av_log_set_callback) setLog = nullptr;
        bind(setLog, util, "av_log_set_callback");
        setLog(libraryLog);
    } catch (...) {
        unload();
        throw;
    }
}

FfmpegLibrary::~FfmpegLibrary() { unload(); }

void* FfmpegLibrary::open(const char* soname) {
    void* handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!handle) throw std::runtime_error(std::string("cannot load the video library ") + soname);
    handles_[loaded_++] = handle;
    return handle;
}

void FfmpegLibrary::unload() {
    while (loaded_ > 0) dlclose(handles_[--loaded_]);
}

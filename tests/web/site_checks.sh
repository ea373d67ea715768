# Sourced by the browser tests' scripts.

# Skips the test (status 77) when the folder holds no site: make test builds
# it with Emscripten, a build without it has none.
need_site() {
    if [ ! -f "$1/index.html" ]; then
        echo "SKIP: no site at '$1' (make test builds it with Emscripten)"
        exit 77
    fi
}

#include "web/front/page_files.h"

#include <emscripten.h>

#include <cstdlib>

#include "core/figure/figure_file.h"
#include "web/glue/page.h"

// A file of the site by its address, fetched whole while the program waits.
EM_ASYNC_JS(char*, js_fetch, (const char16_t* path, int length, int max_bytes, int* out_length), {
  try {
    const url = UTF16ToString(path, length * 2);
    // Start-up's sample figure is already on its way: taken without a trip to the network.
    const early = Module.page.fetchedEarly(url);
    let bytes = null;
    if (early) {
      bytes = await early;
    } else {
      const response = await fetch(url);
      if (!response.ok) return 0;
      bytes = await response.arrayBuffer();
    }
    if (!bytes) return 0;
    const data = new Uint8Array(bytes);
    if (data.length > max_bytes) {
      HEAP32[out_length >> 2] = -1;
      return 0;
    }
    const out = _malloc(Math.max(data.length, 1));
    HEAPU8.set(data, out);
    HEAP32[out_length >> 2] = data.length;
    return out;
  } catch (e) {
    return 0;
  }
});

FileStatus SiteFiles::ReadAll(const std::u16string& path, std::size_t maxBytes, std::string& bytes) {
  if (chosen_ && chosen_->first == path) {
    // A large file should not stay in memory beside the figure read from it.
    std::optional<std::string> kept = std::move(chosen_->second);
    chosen_.reset();
    if (!kept) return FileStatus::CannotOpen;
    if (kept->size() > maxBytes) return FileStatus::TooLarge;
    bytes = std::move(*kept);
    return FileStatus::Ok;
  }
  int length = 0;
  const int bound = maxBytes > 0x7fffffff ? 0x7fffffff : static_cast<int>(maxBytes);
  char* data = js_fetch(path.data(), static_cast<int>(path.size()), bound, &length);
  if (!data) return length < 0 ? FileStatus::TooLarge : FileStatus::CannotOpen;
  bytes.assign(data, length);
  free(data);
  return FileStatus::Ok;
}

FileStatus SiteFiles::ReplaceAll(const std::u16string& path, std::string_view bytes) {
  return page::WriteFile(FilePartOfPath(path), bytes) == page::FileResult::Done ? FileStatus::Ok
                                                                                : FileStatus::CannotWrite;
}

// Decoding and scaling the sixty thumbnails to their 70 x 134 boxes: a full
// decode then a smooth scale, against libjpeg's DCT scaling to the smallest
// eighth that covers the box, then the same smooth scale; and the decodes
// alone, to tell the two costs apart.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QSize>

#include "layout/embedded_pictures.h"
#include "pictures/jpeg_decoder.h"
#include "platform/qt/qt_image.h"

namespace {

const QSize Box(70, 134);

// the decoder's picture as the thumbnails wrap it
QImage Decode(std::span<const std::uint8_t> jpeg, QSize atLeast) {
    return dorvane::QImageOf(dorvane::DecodeJpeg(jpeg, atLeast.width(), atLeast.height()),
                             QImage::Format_RGB32);
}

void DecodeAndScaleAll(benchmark::State& state, QSize decodeAtLeast) {
    for (auto _ : state) {
        for (const auto& thumbnail : dorvane::embedded::Thumbnails) {
            const QImage picture = Decode(thumbnail, decodeAtLeast);
            QImage scaled = picture.scaled(Box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            benchmark::DoNotOptimize(scaled.constBits());
        }
    }
    state.SetItemsProcessed(state.iterations() * 60);
}

void DecodeAll(benchmark::State& state, QSize decodeAtLeast) {
    for (auto _ : state) {
        for (const auto& thumbnail : dorvane::embedded::Thumbnails) {
            QImage picture = Decode(thumbnail, decodeAtLeast);
            benchmark::DoNotOptimize(picture.constBits());
        }
    }
    state.SetItemsProcessed(state.iterations() * 60);
}

void BM_ThumbnailsDecodeOnlyFull(benchmark::State& state) {
    DecodeAll(state, QSize());
}
void BM_ThumbnailsDecodeOnlyDctScaled(benchmark::State& state) {
    DecodeAll(state, Box);
}
void BM_ThumbnailsFullDecode(benchmark::State& state) {
    DecodeAndScaleAll(state, QSize());
}
void BM_ThumbnailsDctScaled(benchmark::State& state) {
    DecodeAndScaleAll(state, Box);
}
void BM_ThumbnailsDctScaledHighDpi(benchmark::State& state) {
    DecodeAndScaleAll(state, Box * 2);
}

}  // namespace

BENCHMARK(BM_ThumbnailsDecodeOnlyFull)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThumbnailsDecodeOnlyDctScaled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThumbnailsFullDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThumbnailsDctScaled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThumbnailsDctScaledHighDpi)->Unit(benchmark::kMillisecond);

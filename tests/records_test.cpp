// The on-disk records: decoding is little-endian and field by field.
#include "wave/records.h"

#include <gtest/gtest.h>

namespace {

TEST(Records, DecodesLittleEndianFields) {
    const unsigned char formatBytes[kWavFormatBytes] = {0xFE, 0xFF, 0x02, 0x00, 0x44, 0xAC,
                                                        0x00, 0x80, 0x10, 0xB1, 0x02, 0x00,
                                                        0x04, 0x00, 0x10, 0x00};
    WavFormat format = wavFormatDecode(formatBytes);
    EXPECT_EQ(format.formatTag, 0xFFFE);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.sampleRate, 0x8000AC44u);
    EXPECT_EQ(format.byteRate, 0x0002B110u);
    EXPECT_EQ(format.blockAlign, 4);
    EXPECT_EQ(format.bitsPerSample, 16);

    const unsigned char chunkBytes[kChunkHeaderBytes] = {'d',  'a',  't',  'a',
                                                         0xF8, 0xFF, 0xFF, 0xFF};
    ChunkHeader chunk = chunkHeaderDecode(chunkBytes);
    EXPECT_TRUE(fourCcIs(chunk.chunkId, "data"));
    EXPECT_FALSE(fourCcIs(chunk.chunkId, "DATA"));
    EXPECT_EQ(chunk.chunkSize, -8);
}

}  // namespace

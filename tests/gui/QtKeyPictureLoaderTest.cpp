// Loading pictograms for keys: the shipped galleries, rows, missing parts.
#include <filesystem>

#include "common/NativePath.h"
#include "gui/QtKeyPictureLoader.h"
#include "platform/sim/MemoryFileSystem.h"
#include "tests/TestSupport.h"
#include "tests/gui/GuiTestSupport.h"

namespace vorelio::testing {
namespace {

namespace fs = std::filesystem;

const QImage& ImageIn(const std::shared_ptr<const KeyPicture>& picture) {
  const QImage* image = ImageOf(picture.get());
  EXPECT_NE(image, nullptr);
  static const QImage kNone;
  return image != nullptr ? *image : kNone;
}

QImage FromDisk(const std::string& nativePath) {
  QImage image(QString::fromStdString(nativePath), "BMP");
  return image.convertToFormat(QImage::Format_RGB32);
}

class ShippedGalleries : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::is_directory(VORELIO_PICTOGRAMS_DIR)) << VORELIO_PICTOGRAMS_DIR;
    for (const fs::directory_entry& entry : fs::directory_iterator(VORELIO_PICTOGRAMS_DIR)) {
      if (entry.is_directory()) {
        fs::copy(entry.path(), fs::path(data_.Path()) / entry.path().filename());
      }
    }
  }

  TempFolder data_;
  QtKeyPictureLoader loader_{DiskFiles()};
};

TEST_F(ShippedGalleries, EveryPictogramLoadsByItsReference) {
  int loaded = 0;
  for (const fs::directory_entry& gallery : fs::directory_iterator(data_.Path())) {
    for (const fs::directory_entry& file : fs::directory_iterator(gallery.path())) {
      // The reference a key stores: Windows-1252, with a backslash.
      const std::string reference = ProgramPath(gallery.path().filename().string()) + "\\" +
                                    ProgramPath(file.path().filename().string());
      const auto picture = loader_.Load(data_.Path(), {reference});
      ASSERT_NE(picture, nullptr) << reference;
      EXPECT_EQ(ImageIn(picture).convertToFormat(QImage::Format_RGB32), FromDisk(file.path()));
      ++loaded;
    }
  }
  EXPECT_GE(loaded, 150);
  // A data folder written without its final separator works the same.
  std::string folder = data_.Path();
  folder.pop_back();
  EXPECT_NE(loader_.Load(folder, {"CAT_IMG_Comida\\p\xe3o.bmp"}), nullptr);
}

TEST_F(ShippedGalleries, ARowJoinsItsPartsLeftToRightAndLeavesMissingOnesOut) {
  const std::string bread = "CAT_IMG_Comida\\p\xe3o.bmp";
  const std::string eat = "CAT_IMG_A\xe7\xf5" "es\\comer.bmp";
  const QImage breadImage = ImageIn(loader_.Load(data_.Path(), {bread}));
  const QImage eatImage = ImageIn(loader_.Load(data_.Path(), {eat}));

  const auto row = loader_.Load(data_.Path(), {eat, bread});
  ASSERT_NE(row, nullptr);
  ASSERT_EQ(row->Width(), eatImage.width() + breadImage.width());
  ASSERT_EQ(row->Height(), std::max(eatImage.height(), breadImage.height()));
  const QImage joined = ImageIn(row).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(joined.copy(0, 0, eatImage.width(), eatImage.height()),
            eatImage.convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(joined.copy(eatImage.width(), 0, breadImage.width(), breadImage.height()),
            breadImage.convertToFormat(QImage::Format_RGB32));

  // A part that is missing is left out; with none there is no picture.
  const auto partial = loader_.Load(data_.Path(), {"CAT_IMG_Comida\\nada.bmp", bread, ""});
  ASSERT_NE(partial, nullptr);
  EXPECT_EQ(ImageIn(partial).convertToFormat(QImage::Format_RGB32),
            breadImage.convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(loader_.Load(data_.Path(), {"CAT_IMG_Comida\\nada.bmp"}), nullptr);
  EXPECT_EQ(loader_.Load(data_.Path(), {}), nullptr);
}

TEST(QtKeyPictureLoaderTest, PartsOfDifferentHeightsTakeTheTallestHeight) {
  MemoryFileSystem files;
  files.AddFile("/d/CAT_IMG_A/alto.bmp", BitmapBytes(Quarters(30, 90)));
  files.AddFile("/d/CAT_IMG_A/baixo.bmp", BitmapBytes(Quarters(40, 40)));
  files.AddFile("/d/CAT_IMG_A/medio.bmp", BitmapBytes(Quarters(10, 60)));
  files.AddFile("/d/CAT_IMG_A/texto.bmp", "not a bitmap at all");
  QtKeyPictureLoader loader(files);
  // 90 / 40 = 2: the 40 x 40 part is drawn 80 x 90; 90 / 60 = 1: 10 x 90.
  const auto row = loader.Load("/d/", {"CAT_IMG_A\\alto.bmp", "CAT_IMG_A\\baixo.bmp",
                                       "CAT_IMG_A\\medio.bmp", "CAT_IMG_A\\texto.bmp"});
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->Width(), 30 + 80 + 10);
  EXPECT_EQ(row->Height(), 90);
  const QImage& image = ImageIn(row);
  EXPECT_TRUE(Near(image.pixel(31, 1), qRgb(255, 0, 0)));    // the second part's corners
  EXPECT_TRUE(Near(image.pixel(108, 88), qRgb(0, 0, 255)));
  EXPECT_TRUE(Near(image.pixel(112, 1), qRgb(255, 0, 0)));   // the third, stretched down
  EXPECT_TRUE(Near(image.pixel(112, 88), qRgb(0, 0, 0)));
  EXPECT_EQ(loader.Load("/d/", {"CAT_IMG_A\\texto.bmp"}), nullptr);
}

TEST(QtKeyPictureLoaderTest, DecodedPictogramsAreKeptUntilForgotten) {
  MemoryFileSystem files;
  files.AddFile("/d/CAT_IMG_A/p.bmp", BitmapBytes(Quarters(30, 90)));
  QtKeyPictureLoader loader(files);
  ASSERT_NE(loader.Load("/d", {"CAT_IMG_A\\p.bmp"}), nullptr);
  files.AddFile("/d/CAT_IMG_A/p.bmp", BitmapBytes(Quarters(40, 40)));
  EXPECT_EQ(loader.Load("/d", {"CAT_IMG_A\\p.bmp"})->Width(), 30);  // not read again
  loader.ForgetPictures();  // as after the galleries change
  EXPECT_EQ(loader.Load("/d", {"CAT_IMG_A\\p.bmp"})->Width(), 40);
}

}  // namespace
}  // namespace vorelio::testing

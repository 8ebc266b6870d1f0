#pragma once

#include <QPixmap>

// The program's own artwork, drawn rather than shipped: one look per branding.
namespace BrandArt {

// The splash picture of branding 0 or 1.
QPixmap SplashPicture(int branding);
// The maker's logo of branding 0 or 1, square, of the given side in pixels.
QPixmap Logo(int branding, int side);
// The program's icon.
QPixmap AppIcon(int side);

}  // namespace BrandArt

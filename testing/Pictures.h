#pragma once

class QImage;

// Whether two pictures of a window show the same: the same size, and every pixel within a few
// steps of its counterpart. The edges of large glyphs come out a little differently depending on
// what the font engine drew before, which a test that runs alone has not.
bool looksAlike(const QImage &picture, const QImage &reference);

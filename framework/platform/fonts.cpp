#include "framework/platform/fonts.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

namespace lesson {

namespace {

enum class Family { Gothic, Serif };

struct FamilyInfo {
  const char* name;     // fontconfig family
  const char* package;  // the Debian package that installs it
};

const FamilyInfo& infoOf(Family family) {
  static const FamilyInfo kGothic{"IPAGothic", "fonts-ipafont-gothic"};
  static const FamilyInfo kSerif{"Liberation Serif", "fonts-liberation2"};
  return family == Family::Gothic ? kGothic : kSerif;
}

struct Face {
  FT_Face ft = nullptr;
  cairo_font_face_t* cairo = nullptr;
  double ascent = 0.88;     // ascender as a fraction of the em
  bool emboldened = false;  // made bold by cairo: the file is not bold
  std::string family;       // family of the font file loaded
  bool found = false;       // the requested family is installed
};

// A fontconfig configuration of our own, freed at exit: LeakSanitizer cannot
// follow the offset-encoded pointers inside a live configuration and would
// report its parts as leaked.
FcConfig* fontConfig() {
  struct Holder {
    FcConfig* config = FcInitLoadConfigAndFonts();
    ~Holder() {
      if (config) FcConfigDestroy(config);
    }
  };
  static Holder holder;
  return holder.config;
}

class FontCache {
 public:
  FontCache() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }

  const Face& face(Family family, bool bold, bool italic) {
    int key = (family == Family::Serif ? 4 : 0) + (bold ? 2 : 0) + (italic ? 1 : 0);
    auto it = faces_.find(key);
    if (it == faces_.end()) it = faces_.emplace(key, load(family, bold, italic)).first;
    return it->second;
  }

 private:
  Face load(Family family, bool bold, bool italic) {
    Face face;
    FcConfig* config = fontConfig();
    if (!library_ || !config) return face;
    const char* name = infoOf(family).name;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name));
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return face;

    FcChar8* value = nullptr;
    for (int n = 0; FcPatternGetString(match, FC_FAMILY, n, &value) == FcResultMatch; ++n) {
      std::string got = reinterpret_cast<const char*>(value);
      if (n == 0) face.family = got;
      if (got == name) face.found = true;
    }
    if (face.found) face.family = name;
    int index = 0;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
        FT_New_Face(library_, reinterpret_cast<const char*>(file), index, &face.ft) == 0) {
      // Outlines only: embedded bitmaps would not scale with the magnification.
      face.cairo = cairo_ft_font_face_create_for_ft_face(face.ft, FT_LOAD_NO_BITMAP);
      // The file's own style says what it lacks (fontconfig's match reports the
      // requested weight and slant once it has decided to synthesize them).
      unsigned synth = 0;
      if (bold && !(face.ft->style_flags & FT_STYLE_FLAG_BOLD)) {
        synth |= CAIRO_FT_SYNTHESIZE_BOLD;
        face.emboldened = true;
      }
      if (italic && !(face.ft->style_flags & FT_STYLE_FLAG_ITALIC)) {
        synth |= CAIRO_FT_SYNTHESIZE_OBLIQUE;
      }
      cairo_ft_font_face_set_synthesize(face.cairo, synth);
      if (face.ft->units_per_EM > 0) {
        face.ascent = static_cast<double>(face.ft->ascender) / face.ft->units_per_EM;
      }
    } else {
      face.ft = nullptr;
      face.found = false;
    }
    FcPatternDestroy(match);
    return face;
  }

  FT_Library library_ = nullptr;
  std::map<int, Face> faces_;
};

// The faces live for the whole run (the cairo faces refer to the FreeType
// faces, and cairo's own caches may hold them), so the cache is never freed.
FontCache& fonts() {
  static FontCache* cache = new FontCache;
  return *cache;
}

Family familyOf(const std::u32string& face) {
  if (face == U"Times New Roman" || face == U"MT Extra") return Family::Serif;
  return Family::Gothic;
}

// How a face's em and baseline follow the size and the two magnification
// factors, one rule per face name for every character: the em is width x size
// x fx across and size x fy down, and the baseline lies fy x (lead + drop x
// size) below the op's y; the Gothic face keeps its baseline at its own ascent
// on the em. The serif letters of the formula rows sit on the line of the
// Gothic digits beside them and inside their advances, and the plane's "x"
// just above its axis; docs/ARCHITECTURE.md gives the measurements.
struct FaceScale {
  double width = 1;
  double lead = 0;
  double drop = 0;  // 0: at the face's ascent
};

FaceScale scaleOf(const std::u32string& face) {
  if (face == U"Times New Roman") return {0.55, 2.59, 0.76};
  if (face == U"MT Extra") return {0.72, 3.1, 0.64};
  return {};
}

// Cairo's defaults follow the machine's settings; fixed options make the
// output the same everywhere.
const cairo_font_options_t* textOptions() {
  static cairo_font_options_t* options = [] {
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    return o;
  }();
  return options;
}

// One character resolved to a face and a glyph of it.
struct Glyph {
  const Face* face = nullptr;
  FT_UInt index = 0;
};

Glyph resolve(const Face& selected, const Face& gothic, char32_t c) {
  if (selected.ft) {
    if (FT_UInt index = FT_Get_Char_Index(selected.ft, c)) return {&selected, index};
  }
  if (gothic.ft) {
    if (FT_UInt index = FT_Get_Char_Index(gothic.ft, c)) return {&gothic, index};
  }
  return {};
}

// The character the face name draws for c: the script face shows l as ℓ.
char32_t shown(const std::u32string& face, char32_t c) {
  return face == U"MT Extra" && c == U'l' ? U'\u2113' : c;
}

bool isControl(char32_t c) {
  return c < 0x20 || c == 0x7F;
}

}  // namespace

bool checkLessonFonts(std::string& error) {
  for (Family family : {Family::Gothic, Family::Serif}) {
    if (!fonts().face(family, false, false).found) {
      const FamilyInfo& info = infoOf(family);
      error = std::string("font ") + info.name + " is missing: install the package " + info.package;
      return false;
    }
  }
  return true;
}

std::string glyphFamily(const std::u32string& face, bool bold, bool italic, char32_t c) {
  const Face& selected = fonts().face(familyOf(face), bold, italic);
  const Face& gothic = fonts().face(Family::Gothic, bold, italic);
  Glyph g = resolve(selected, gothic, shown(face, c));
  return g.face ? g.face->family : std::string();
}

namespace {

// Lays a text operation out in logical canvas units: `show` is called with
// each run of glyphs that one face draws, with the font matrix in force.
template <class Show>
void layOut(const DrawOp& op, Show show) {
  const FaceScale scale = scaleOf(op.face);
  const double size = op.size;
  double sx = scale.width * size * op.fx;
  double sy = size * op.fy;
  // A zero scale would leave cairo in an error state for good.
  if (!std::isfinite(sx) || !std::isfinite(sy) || sx == 0 || sy == 0) return;
  if (!std::isfinite(op.x1) || !std::isfinite(op.y1)) return;

  const Face& selected = fonts().face(familyOf(op.face), op.bold, op.italic);
  const Face& gothic = fonts().face(Family::Gothic, op.bold, op.italic);
  cairo_matrix_t matrix;
  cairo_matrix_init_scale(&matrix, sx, sy);
  double x = op.x1;
  double drop = scale.drop == 0 ? selected.ascent * sy : op.fy * (scale.lead + scale.drop * size);
  double baseline = op.y1 + drop;

  std::vector<cairo_glyph_t> run;
  const Face* runFace = nullptr;
  auto flush = [&] {
    if (run.empty()) return;
    show(*runFace, run, matrix);
    run.clear();
  };
  for (char32_t c : op.text) {
    if (isControl(c)) continue;
    Glyph g = resolve(selected, gothic, shown(op.face, c));
    // No installed font has it: draw nothing rather than a missing-glyph box.
    if (!g.face) continue;
    if (g.face != runFace) {
      flush();
      runFace = g.face;
    }
    run.push_back({g.index, x, baseline});
    FT_Fixed advance = 0;
    if (FT_Get_Advance(g.face->ft, g.index, FT_LOAD_NO_SCALE, &advance) == 0) {
      x += static_cast<double>(advance) / g.face->ft->units_per_EM * sx;
    }
  }
  flush();
}

void selectFont(cairo_t* cr, const Face& face, const cairo_matrix_t& matrix) {
  cairo_set_font_face(cr, face.cairo);
  cairo_set_font_matrix(cr, &matrix);
}

// Where a clip or the edge of the surface cuts the box a text's glyph
// metrics give, cairo draws the glyphs only inside that box, and synthesized
// bold and slanted glyphs ink past it. So glyphs reaching past the clip are
// drawn whole by `show` on a mask of their own, on the same device pixels,
// and painted through the clip. False (nothing drawn) for a text larger than
// any page draws (a mask of more than 16 million pixels).
bool showThroughMask(cairo_t* cr, const Extent& reach, const std::function<void(cairo_t*)>& show) {
  cairo_matrix_t toDevice;
  cairo_get_matrix(cr, &toDevice);
  double xs[] = {reach.left, reach.right, reach.left, reach.right};
  double ys[] = {reach.top, reach.top, reach.bottom, reach.bottom};
  double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
  for (int i = 0; i < 4; ++i) {
    cairo_matrix_transform_point(&toDevice, &xs[i], &ys[i]);
    x0 = std::min(x0, xs[i]), y0 = std::min(y0, ys[i]);
    x1 = std::max(x1, xs[i]), y1 = std::max(y1, ys[i]);
  }
  x0 = std::floor(x0) - 1, y0 = std::floor(y0) - 1, x1 = std::ceil(x1) + 1, y1 = std::ceil(y1) + 1;
  if ((x1 - x0) * (y1 - y0) > 1 << 24) return false;
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, static_cast<int>(x1 - x0),
                                                     static_cast<int>(y1 - y0));
  cairo_t* m = cairo_create(mask);
  cairo_translate(m, -x0, -y0);
  cairo_transform(m, &toDevice);
  show(m);
  cairo_destroy(m);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_mask_surface(cr, mask, x0, y0);
  cairo_restore(cr);
  cairo_surface_destroy(mask);
  return true;
}

}  // namespace

void drawSymbol(cairo_t* cr, const DrawOp& op) {
  if (!drawable(op)) return;
  auto show = [&op](cairo_t* target) {
    cairo_save(target);
    cairo_set_font_options(target, textOptions());
    layOut(op, [&](const Face& face, const std::vector<cairo_glyph_t>& run,
                   const cairo_matrix_t& matrix) {
      selectFont(target, face, matrix);
      cairo_show_glyphs(target, run.data(), static_cast<int>(run.size()));
    });
    cairo_restore(target);
  };
  double left, top, right, bottom;
  cairo_clip_extents(cr, &left, &top, &right, &bottom);
  const Extent clip{float(left), float(top), float(right), float(bottom)};
  // The rough extent holds the measured one, and costs less to find.
  if (clip.contains(roughExtent(op))) {
    show(cr);
    return;
  }
  Extent reach = symbolInk(op);
  if (clip.contains(reach) || !showThroughMask(cr, reach, show)) show(cr);
}

Extent symbolInk(const DrawOp& op) {
  // A size beyond what FreeType sets would leave the context below in an
  // error state for good.
  if (!drawable(op)) return {};
  // Measured on the glyphs' outlines as cairo draws them, synthesized bold
  // and slant included (their metrics fall short of their ink), and on the
  // box their metrics give, which cairo takes them to lie in; on a context of
  // its own with the options the glyphs are drawn with. Its surface is
  // unbounded: cairo leaves out of a path the glyphs lying well outside the
  // surface's bounds.
  static cairo_t* cr = [] {
    cairo_surface_t* surface = cairo_recording_surface_create(CAIRO_CONTENT_ALPHA, nullptr);
    cairo_t* context = cairo_create(surface);
    cairo_surface_destroy(surface);
    cairo_set_font_options(context, textOptions());
    return context;
  }();
  Extent ink;
  bool erratic = false;
  layOut(op, [&](const Face& face, const std::vector<cairo_glyph_t>& run,
                 const cairo_matrix_t& matrix) {
    // FreeType's emboldening of a glyph stretched more than three times as
    // wide as high, or as high as wide, can ink a spike past its outlines at
    // one size and not at another: such a text has only its rough extent.
    double stretch = std::abs(matrix.xx / matrix.yy);
    if (face.emboldened && (stretch > 3 || stretch < 1.0 / 3)) erratic = true;
    selectFont(cr, face, matrix);
    cairo_new_path(cr);
    cairo_glyph_path(cr, run.data(), static_cast<int>(run.size()));
    double left = 0, top = 0, right = 0, bottom = 0;
    cairo_path_extents(cr, &left, &top, &right, &bottom);
    cairo_new_path(cr);
    ink.add({static_cast<float>(left), static_cast<float>(top), static_cast<float>(right),
             static_cast<float>(bottom)});
    cairo_text_extents_t box;
    cairo_glyph_extents(cr, run.data(), static_cast<int>(run.size()), &box);
    // The bearings are measured from the first glyph's origin.
    left = run[0].x + box.x_bearing, top = run[0].y + box.y_bearing;
    ink.add({static_cast<float>(left), static_cast<float>(top),
             static_cast<float>(left + box.width), static_cast<float>(top + box.height)});
  });
  if (erratic) return roughExtent(op);
  if (ink.empty()) return ink;
  // The renderer sets each glyph's origin on a whole pixel (half a pixel at
  // most), and a pixel touched by an outline has its centre within half a
  // pixel of it: a pixel of the smallest window scale either way.
  constexpr float kMargin = 1 / kLeastScale;
  return {ink.left - kMargin, ink.top - kMargin, ink.right + kMargin, ink.bottom + kMargin};
}

}  // namespace lesson

#pragma once
// The one program-wide instance of each dialog: created hidden when first needed, shown modeless.

class ErrorMR;
class AboutVantrell;
class AboutCorvane;
class AboutAuthor;
class License;
class Info;

namespace Dialogs {

// The instance, created hidden (its load handler running) when it does not exist.
template <typename Dialog> Dialog& Load();

// The instance made visible, created first when it does not exist; one already visible comes to the front.
template <typename Dialog> void Show();

// Destroys every dialog that exists, as at the end of the program.
void DestroyAll();

extern template ErrorMR& Load<ErrorMR>();
extern template AboutVantrell& Load<AboutVantrell>();
extern template AboutCorvane& Load<AboutCorvane>();
extern template AboutAuthor& Load<AboutAuthor>();
extern template License& Load<License>();
extern template Info& Load<Info>();
extern template void Show<ErrorMR>();
extern template void Show<AboutVantrell>();
extern template void Show<AboutCorvane>();
extern template void Show<AboutAuthor>();
extern template void Show<License>();
extern template void Show<Info>();

} // namespace Dialogs

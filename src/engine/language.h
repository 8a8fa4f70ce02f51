#pragma once

namespace vork {

// The interface language of the windows and of the bilingual texts in project files.
enum class Language { Portuguese, English };

}  // namespace vork

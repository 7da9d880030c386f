// The second face (第二面): the people of the application, each list with its first entry from
// the record embedded in the application and its further entries from the model's lists.
#include "writers/ZnAppDocFDOut11.h"

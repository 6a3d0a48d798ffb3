// Custom controls come with the windows that need them.

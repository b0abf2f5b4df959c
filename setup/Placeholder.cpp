// placeholder, replaced by the windows

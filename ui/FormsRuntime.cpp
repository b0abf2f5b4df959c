// placeholder, replaced by the forms run-time

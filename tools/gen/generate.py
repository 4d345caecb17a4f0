print("no content yet")

// The doubly linked list behind CObList, CPtrList and CStringList. A POSITION is a node.
#pragma once

#include "platform/core/WinTypes.h"

#include <cassert>

template <typename T> class ListCore {
public:
    explicit ListCore(int blockSize = 10) {}
    ~ListCore() { RemoveAll(); }
    ListCore(const ListCore&) = delete;
    ListCore& operator=(const ListCore&) = delete;

    int GetCount() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }

    T& GetHead() { return Checked(m_head)->value; }
    const T& GetHead() const { return Checked(m_head)->value; }
    T& GetTail() { return Checked(m_tail)->value; }
    const T& GetTail() const { return Checked(m_tail)->value; }

    T RemoveHead()
    {
        Node* node = Checked(m_head);
        T value = node->value;
        Unlink(node);
        return value;
    }
    T RemoveTail()
    {
        Node* node = Checked(m_tail);
        T value = node->value;
        Unlink(node);
        return value;
    }

    POSITION AddHead(const T& value) { return InsertBefore(ToPos(m_head), value); }
    POSITION AddTail(const T& value) { return InsertAfter(ToPos(m_tail), value); }
    void RemoveAll()
    {
        while (m_head)
            Unlink(m_head);
    }

    POSITION GetHeadPosition() const { return ToPos(m_head); }
    POSITION GetTailPosition() const { return ToPos(m_tail); }
    T& GetNext(POSITION& pos)
    {
        Node* node = Checked(ToNode(pos));
        pos = ToPos(node->next);
        return node->value;
    }
    const T& GetNext(POSITION& pos) const
    {
        Node* node = Checked(ToNode(pos));
        pos = ToPos(node->next);
        return node->value;
    }
    T& GetPrev(POSITION& pos)
    {
        Node* node = Checked(ToNode(pos));
        pos = ToPos(node->prev);
        return node->value;
    }
    const T& GetPrev(POSITION& pos) const
    {
        Node* node = Checked(ToNode(pos));
        pos = ToPos(node->prev);
        return node->value;
    }
    T& GetAt(POSITION pos) { return Checked(ToNode(pos))->value; }
    const T& GetAt(POSITION pos) const { return Checked(ToNode(pos))->value; }
    void SetAt(POSITION pos, const T& value) { Checked(ToNode(pos))->value = value; }
    void RemoveAt(POSITION pos) { Unlink(Checked(ToNode(pos))); }

    POSITION InsertBefore(POSITION pos, const T& value)
    {
        Node* next = ToNode(pos);
        Node* node = new Node{value, next ? next->prev : nullptr, next};
        if (!next) { // empty list or before the head of nothing: becomes the only node
            node->next = m_head;
            if (m_head)
                m_head->prev = node;
            else
                m_tail = node;
            m_head = node;
        } else {
            if (next->prev)
                next->prev->next = node;
            else
                m_head = node;
            next->prev = node;
        }
        ++m_count;
        return ToPos(node);
    }
    POSITION InsertAfter(POSITION pos, const T& value)
    {
        Node* prev = ToNode(pos);
        if (!prev)
            return InsertBefore(ToPos(m_head), value);
        Node* node = new Node{value, prev, prev->next};
        if (prev->next)
            prev->next->prev = node;
        else
            m_tail = node;
        prev->next = node;
        ++m_count;
        return ToPos(node);
    }

    template <typename Equal> POSITION FindIf(Equal equal, POSITION startAfter) const
    {
        Node* node = startAfter ? Checked(ToNode(startAfter))->next : m_head;
        for (; node; node = node->next)
            if (equal(node->value))
                return ToPos(node);
        return nullptr;
    }
    POSITION FindIndex(int index) const
    {
        if (index < 0 || index >= m_count)
            return nullptr;
        Node* node = m_head;
        while (index-- > 0)
            node = node->next;
        return ToPos(node);
    }

private:
    struct Node {
        T value;
        Node* prev;
        Node* next;
    };
    static Node* ToNode(POSITION pos) { return reinterpret_cast<Node*>(pos); }
    static POSITION ToPos(Node* node) { return reinterpret_cast<POSITION>(node); }
    static Node* Checked(Node* node)
    {
        assert(node && "list position or element missing");
        return node;
    }
    void Unlink(Node* node)
    {
        (node->prev ? node->prev->next : m_head) = node->next;
        (node->next ? node->next->prev : m_tail) = node->prev;
        delete node;
        --m_count;
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    int m_count = 0;
};
